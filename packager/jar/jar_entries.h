// The entries of the phone package, in the order they are stored.
#pragma once

#include "package_settings.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Folder entries come first; names use "\" as the archive writer expects.
inline constexpr std::array<std::string_view, 2> jarFolderEntries = {"program", "META-INF"};

struct JarFileEntry {
    std::string name;
    std::filesystem::path source;
};

// File entries 3 to 13: manifest, classes, package data, images, then the resource files.
std::vector<JarFileEntry> jarFileEntries(const PackageSettings& s, const std::filesystem::path& programFolder,
                                         const std::filesystem::path& workFolder);

// The five classes, in entry order: the entry's file name in "program" and
// where pass 3 and the program folder leave it.
struct PackageClass {
    std::string className;
    std::filesystem::path source;
};
std::vector<PackageClass> packageClasses(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& workFolder);
