#include "sound_font.h"

#include <array>
#include <filesystem>
#include <string_view>

namespace {

// Debian's default General MIDI font links to whichever font package is
// installed; the small TimGM6mb font is the one our installer adds.
constexpr std::array<std::string_view, 4> soundFontPlaces = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3",
};

}  // namespace

std::optional<std::string> findSoundFont() {
    for (std::string_view place : soundFontPlaces) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(place, ignored)) return std::string(place);
    }
    return std::nullopt;
}
