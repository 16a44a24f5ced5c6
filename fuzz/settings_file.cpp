// Any bytes as the settings file: read over the defaults, written back and read
// again, which must give the same settings (values that read as negative
// numbers, from more digits than 32 bits hold, are written with a sign that
// does not read back).
#include "settings.h"
#include "work_folder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

bool allNonNegative(const Settings& s) {
    return std::all_of(settingKeys.begin(), settingKeys.end(), [&](const SettingKey& key) { return s.*key.field >= 0; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string workFile = fuzzWorkFolder() + "/orbbasic.ini";
    const std::string missingFile = fuzzWorkFolder() + "/none/orbbasic.ini";
    std::FILE* f = std::fopen(workFile.c_str(), "wb");
    check(f && std::fwrite(data, 1, size, f) == size && std::fclose(f) == 0);

    Settings read;
    check(loadSettings(workFile, missingFile, read) == SettingsLoad::FromWorkFolder);
    Settings again;
    parseSettings(std::string_view(reinterpret_cast<const char*>(data), size), again);
    check(again == read);

    const std::string text = formatSettings(read);
    check(std::count(text.begin(), text.end(), '\n') == std::ptrdiff_t(settingKeys.size()));
    check(saveSettings(workFile, read));
    Settings reread;
    check(loadSettings(missingFile, workFile, reread) == SettingsLoad::FromProgramFolder);
    if (allNonNegative(read)) check(reread == read);
    return 0;
}
