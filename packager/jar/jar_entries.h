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

// The manifest as written into the work folder before it is stored.
inline constexpr const char* manifestFileName = "man.dat";

struct JarFileEntry {
    std::string name;
    std::filesystem::path source;
    bool programFile = false;   // one of the program's own files (the resource list)
};

// File entries 3 to 13: manifest, classes, package data, images, then the
// resource files; a resource that is the same file as an earlier entry (one
// picture named two ways), or a byte-for-byte copy under the same name, is
// stored once.
std::vector<JarFileEntry> jarFileEntries(const PackageSettings& s, const std::filesystem::path& programFolder,
                                         const std::filesystem::path& workFolder);

// One existing file by both names (hard or symbolic links, "./" and the like).
bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Two different files under one entry name (two pictures with one bare name,
// or a file of the program under a name the package keeps for its own): the
// message naming both; empty when every name holds one file. Sources that
// cannot be opened are left out of the package and so clash with nothing.
std::string entryNameClash(const std::vector<JarFileEntry>& entries);

// The shipped classes, in entry order: the entry's file name in "program"
// and where pass 3 (the game class) and the program folder leave it.
struct PackageClass {
    std::string className;
    std::filesystem::path source;
};
std::vector<PackageClass> packageClasses(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& workFolder);
