// The program folder (where the executables live) and the work folder (where
// builds write the image and the error file).
#pragma once

#include <filesystem>

std::filesystem::path programFolderOfExecutable();

// The program folder when the image file can be created there; else TEMP; else
// a per-user folder, created on demand.
std::filesystem::path chooseWorkFolder(const std::filesystem::path& programFolder);
