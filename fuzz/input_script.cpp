// Any ORBRT_INPUT script: either refused with a line number inside the text, or
// read into events in step order, each of which the phone then takes.
#include "phone/input_script.h"
#include "phone/window_layout.h"
#include "screen/screen.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto parsed = parseInputScript(text);
    if (const auto* error = std::get_if<InputScriptError>(&parsed)) {
        if (error->line < 1 || size_t(error->line) > size_t(std::count(text.begin(), text.end(), '\n')) + 1) std::abort();
        return 0;
    }
    const auto& events = std::get<std::vector<InputEvent>>(parsed);
    Phone phone;
    Screen screen;
    if (initScreen(screen, 360, 640, 0)) std::abort();
    uint64_t step = 0;
    for (const InputEvent& e : events) {
        if (e.step < step) std::abort();  // steps never go backwards
        step = e.step;
        if (applyInputEvent(phone, screen, e) == WindowAction::rotate) rotate(phone, screen);
    }
    return 0;
}
