// The prepared files of the program folder that every package holds (the
// class templates and the pictures), checked before a build starts: a missing
// or damaged one is named instead of showing later as a misleading message or
// a JAR without it.
#pragma once

#include <filesystem>
#include <string>

// "NAME is missing" or "NAME is damaged" with its path, for the first file that
// is; empty when every file is there and has the shape of its kind.
std::string packageDataFault(const std::filesystem::path& programFolder);
