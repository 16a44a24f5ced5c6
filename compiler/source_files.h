// Reading the files a program names: Include files, resources and descriptors.
#pragma once

#include <filesystem>
#include <string>

bool readWholeFile(const std::filesystem::path& path, std::string& content);
bool canOpenForReading(const std::filesystem::path& path);
