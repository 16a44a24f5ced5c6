// Starting orbrt on a work folder.
#pragma once

#include <filesystem>

struct RuntimeStart {
    bool started = false;
    int exitStatus = -1;  // only when waited for
};

// Runs runtime with the work folder as its only argument, in currentFolder (where
// the program's relative file names point). When wait is false the runtime runs
// on by itself and leaves no child behind.
RuntimeStart startRuntime(const std::filesystem::path& runtime, const std::filesystem::path& workFolder,
                          const std::filesystem::path& currentFolder, bool wait);
