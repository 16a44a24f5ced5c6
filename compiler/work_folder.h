// The program folder (where the executables live) and the work folder (where
// builds write the image and the error file).
#pragma once

#include <filesystem>

std::filesystem::path programFolderOfExecutable();

// The file that marks an installed program folder.
extern const char* const installedMark;

// The environment's work folder: the program folder when it is not installed
// (a build folder) and the image file can be created there, else the user's own
// work folder.
std::filesystem::path chooseWorkFolder(const std::filesystem::path& programFolder);

// The user's own work folder, created on first use: $XDG_CACHE_HOME/orbbasic
// (~/.cache/orbbasic); when that cannot be written (no home, as for nobody),
// $XDG_RUNTIME_DIR/orbbasic; else a private folder in the temporary folder that
// only this user can enter. Two users never share one.
std::filesystem::path userWorkFolder();

// The folder of the environment's settings file: the work folder when that is the
// program folder; else $XDG_CONFIG_HOME/orbbasic (~/.config/orbbasic), created on
// first use, or the work folder when that cannot be written.
std::filesystem::path chooseSettingsFolder(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& workFolder);
