// Starting orbrt on a work folder.
#pragma once

#include <chrono>
#include <filesystem>

// A runtime started detached, known by its process id and the moment the system
// started it, so that a later process given the same id is never taken for it.
struct RunningRuntime {
    int processId = 0;                   // 0: none, or it ended at once
    unsigned long long startTicks = 0;
};

struct RuntimeStart {
    bool started = false;
    RunningRuntime running;  // only when not waited for
    int exitStatus = -1;  // only when waited for
    int forwardedSignal = 0;  // when waited for: a SIGTERM, SIGINT or SIGHUP passed on to the runtime
};

// Runs runtime with the work folder as its only argument, in currentFolder (where
// the program's relative file names point). When wait is false the runtime runs
// on by itself and leaves no child behind. When waiting, SIGTERM, SIGINT and
// SIGHUP are passed on to the runtime, and the wait goes on until it has ended.
RuntimeStart startRuntime(const std::filesystem::path& runtime, const std::filesystem::path& workFolder,
                          const std::filesystem::path& currentFolder, bool wait);

// Whether the runtime is still running (a zombie left to a careless reaper counts as ended).
bool runtimeRunning(const RunningRuntime& runtime);

// Ends a detached runtime as its close box does: SIGTERM, which it reports as
// "Program closed" after writing its error file and saving its archives. Waits up
// to patience for it to end; true when it is no longer running.
bool stopRuntime(const RunningRuntime& runtime, std::chrono::milliseconds patience);
