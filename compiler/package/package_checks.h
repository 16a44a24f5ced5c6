// What a package may hold and where it may go, checked before anything of it
// is written: only files under the program's folder go in, and the output
// never replaces one of the build's own inputs.
#pragma once

#include "jar_entries.h"

#include <filesystem>
#include <string>
#include <vector>

// The first file the program loads (names as written, relative to the source
// folder) that lies outside that folder, symbolic links followed: the message
// naming it; empty when every file is inside.
std::string fileOutsideProgramFolder(const std::vector<std::string>& resourceNames,
                                     const std::filesystem::path& sourceFolder);

struct BuildInputs {
    std::filesystem::path source;                     // empty for an untitled document
    std::vector<std::filesystem::path> includeFiles;
    std::vector<JarFileEntry> entries;                // everything the package would contain
};

// The JAR or the JAD naming the source, an Include file, a file the package
// would contain, or each other: the message naming both; empty when none.
std::string outputOverwritesInput(const std::filesystem::path& jar, const std::filesystem::path& jad,
                                  const BuildInputs& inputs);
