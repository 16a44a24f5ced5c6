// Start-up, the run and shutdown of `orbrt`.
#pragma once

#include <cstdint>
#include <string>

struct RuntimeOptions {
    std::string folder;         // the whole command line; empty: the program folder
    std::string programFolder;  // where `orbrt` and its data files live, with a trailing "/"
    uint64_t maxSteps = 0;      // end the run after this many statements (0: no limit)
    size_t stackBudget = 0;     // native stack the interpreter may use for nesting
    std::string inputScript;    // ORBRT_INPUT: timed input events, or empty
    std::string snapshot;       // ORBRT_SNAPSHOT: PNG of the last shown frame at exit, or empty
    bool windowed = false;      // show the phone window; else run headless
};

struct Interp;

// The trailer's screen size, raised to the minimum and turned for landscape.
void settleScreen(Interp& in);

// Runs a loaded image's main program to its end (start-up done, shutdown not).
void runLoadedProgram(Interp& in, size_t stackBudget);

// Runs the program image of the folder; returns the exit status (0, or -1
// when start-up fails).
int runRuntime(const RuntimeOptions& options);
