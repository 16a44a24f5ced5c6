// Running a program image in memory the way orbrt does, headless, silent,
// without waits and for a bounded number of statements, for the fuzz targets
// and the interpreter's tests.
#pragma once

#include "errors.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Enough for loops, recursion and Data to run deep; a loop of Cls and Update
// already takes seconds at this count under the sanitizers.
inline constexpr uint64_t fuzzStepLimit = 5000;

// What a run shows: where it was at every look at the window, how it ended,
// and the variables it left (floats by their bits, so that a NaN equals itself).
struct RunRecord {
    struct Look {
        uint64_t steps;
        int32_t line;
        uint32_t position;
        bool operator==(const Look&) const = default;
    };
    bool loaded = false;
    std::vector<Look> looks;
    uint64_t steps = 0;
    int32_t line = 0;
    uint32_t position = 0;
    bool noError = true;
    RunError reported = RunError::ProgramClosed;
    std::string errorLine;
    std::vector<int32_t> ints;
    std::vector<uint32_t> floatBits;
    std::vector<std::string> strings;

    bool operator==(const RunRecord&) const = default;
};

// Loads the image text and, when it loads, runs its main program, with the
// compiled fast steps or with the evaluator alone.
RunRecord recordImageRun(std::string_view text, bool fastSteps, uint64_t stepLimit = fuzzStepLimit);

// Runs the image both ways and aborts when the two runs differ in anything
// they show; every outcome is otherwise one of the runtime's own (a normal
// end, a reported error).
void runImageText(std::string_view text);
