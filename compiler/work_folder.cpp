#include "work_folder.h"

#include "work_protocol.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

const char* const installedMark = ORB_INSTALLED_MARK;

fs::path programFolderOfExecutable() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

namespace {

bool imageCanBeCreatedIn(const fs::path& folder) {
    std::ofstream probe(folder / programImageFileName, std::ios::app);
    return probe.is_open();
}

// An XDG base folder: the variable when it holds an absolute path (the
// convention ignores relative ones), else FALLBACK under $HOME; empty when neither.
fs::path baseFolder(const char* variable, const char* underHome) {
    if (const char* value = std::getenv(variable); value && *value == '/') return value;
    if (const char* home = std::getenv("HOME"); home && *home == '/') return fs::path(home) / underHome;
    return {};
}

// BASE/orbbasic, made if missing, when this user may create files in it.
fs::path writableSubfolder(const fs::path& base) {
    if (base.empty()) return {};
    const fs::path folder = base / "orbbasic";
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return {};
    return folder;
}

// A folder of the shared temporary folder is this user's only when it is a real
// folder (not a link someone else planted), owned by the user and closed to others.
bool privateFolder(const fs::path& folder) {
    struct stat info{};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
           (info.st_mode & 077) == 0;
}

// TMP/orbbasic-UID, the same on every run; when another user took that name
// first, a fresh folder of a unique name.
fs::path privateTemporaryFolder() {
    std::error_code ec;
    fs::path temp = fs::temp_directory_path(ec);
    if (ec) temp = "/tmp";
    const fs::path stable = temp / ("orbbasic-" + std::to_string(::getuid()));
    if (::mkdir(stable.c_str(), 0700) == 0 || privateFolder(stable)) return stable;
    std::string pattern = (stable.string() + "-XXXXXX");
    if (::mkdtemp(pattern.data())) return pattern;
    return stable;
}

}  // namespace

fs::path chooseWorkFolder(const fs::path& programFolder) {
    std::error_code ec;
    if (!fs::exists(programFolder / installedMark, ec) && imageCanBeCreatedIn(programFolder)) return programFolder;
    return userWorkFolder();
}

fs::path userWorkFolder() {
    if (fs::path cache = writableSubfolder(baseFolder("XDG_CACHE_HOME", ".cache")); !cache.empty()) return cache;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/')
        if (fs::path folder = writableSubfolder(runtime); !folder.empty()) return folder;
    return privateTemporaryFolder();
}

fs::path chooseSettingsFolder(const fs::path& programFolder, const fs::path& workFolder) {
    if (workFolder == programFolder) return workFolder;
    if (fs::path config = writableSubfolder(baseFolder("XDG_CONFIG_HOME", ".config")); !config.empty()) return config;
    return workFolder;
}
