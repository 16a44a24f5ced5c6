// Running real programs under the conditions a real machine produces: a
// program compiled by `orbbasic --test`, then `orbrt` started on its work
// folder as a separate process that a test can signal, kill, or starve of
// disk space.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// A fresh, empty folder of this test process.
fs::path freshFolder(const std::string& name);

// Compiles the source text into `work` (orb16.tmp); false with the compiler's
// words in a test failure when it does not compile.
bool compileInto(const fs::path& work, const std::string& source);

struct RunOptions {
    fs::path work;                         // the folder passed to orbrt
    fs::path current;                      // where the program runs; empty: the work folder
    std::vector<std::string> environment;  // KEY=VALUE on top of ORBRT_HEADLESS=1 and silent sound
    long fileSizeLimit = -1;               // RLIMIT_FSIZE in bytes, a full disk injected; -1: none
};

// Starts orbrt headless; its standard error goes to RUN.stderr beside the work folder.
pid_t startRun(const RunOptions& options);

// Waits at most timeoutMs for the run; its exit status, -1 after a timeout
// (the run is then killed), or 128 + the signal that ended it.
int waitRun(pid_t pid, int timeoutMs = 20000);

// startRun and waitRun.
int run(const RunOptions& options);

std::string runErrors(const RunOptions& options);  // what the run said on standard error
std::string firstLine(const fs::path& errorFile);  // without its CR LF

// Fills the folder's file system up to its last byte.
void fillDisk(const fs::path& folder);

// Mounts a tmpfs of `size` ("16k") over the folder; false when the system
// refuses (not root): tests then inject the failure and say so.
bool mountSmallDisk(const fs::path& folder, const std::string& size);
bool remountReadOnly(const fs::path& folder);
void unmount(const fs::path& folder);
