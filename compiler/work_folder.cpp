#include "work_folder.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

fs::path programFolderOfExecutable() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

namespace {

bool imageCanBeCreatedIn(const fs::path& folder) {
    std::ofstream probe(folder / "orb16.tmp", std::ios::app);
    return probe.is_open();
}

}  // namespace

fs::path chooseWorkFolder(const fs::path& programFolder) {
    if (imageCanBeCreatedIn(programFolder)) return programFolder;
    if (const char* temp = std::getenv("TEMP"); temp && *temp) return temp;
    fs::path cache;
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg) cache = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home) cache = fs::path(home) / ".cache";
    else cache = fs::temp_directory_path();
    fs::path folder = cache / "orbbasic";
    std::error_code ec;
    fs::create_directories(folder, ec);
    return folder;
}
