// Starting orbrt on a work folder.
#pragma once

#include <filesystem>

struct RuntimeStart {
    bool started = false;
    int exitStatus = -1;  // only when waited for
    int forwardedSignal = 0;  // when waited for: a SIGTERM, SIGINT or SIGHUP passed on to the runtime
};

// Runs runtime with the work folder as its only argument, in currentFolder (where
// the program's relative file names point). When wait is false the runtime runs
// on by itself and leaves no child behind. When waiting, SIGTERM, SIGINT and
// SIGHUP are passed on to the runtime, and the wait goes on until it has ended.
RuntimeStart startRuntime(const std::filesystem::path& runtime, const std::filesystem::path& workFolder,
                          const std::filesystem::path& currentFolder, bool wait);
