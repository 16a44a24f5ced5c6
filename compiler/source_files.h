// Reading the files a program names: Include files, resources and descriptors.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Only regular files are read (no device, FIFO or folder), and a name with a NUL is refused.
// readWholeFile reads at most sourceFileLimit bytes.
bool readWholeFile(const std::filesystem::path& path, std::string& content);
bool canOpenForReading(const std::filesystem::path& path);

// A file name as a program writes it, taken relative to folder ("\\" reads as "/").
std::filesystem::path fileInFolder(const std::filesystem::path& folder, std::string_view name);
