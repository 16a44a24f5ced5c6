// Running a program image in memory the way orbrt does, headless, silent,
// without waits and for a bounded number of statements, for the fuzz targets.
#pragma once

#include <cstdint>
#include <string_view>

// Enough for loops, recursion and Data to run deep; a loop of Cls and Update
// already takes seconds at this count under the sanitizers.
inline constexpr uint64_t fuzzStepLimit = 5000;

// Loads the image text and, when it loads, runs its main program; every
// outcome is one of the runtime's own (a normal end, a reported error).
void runImageText(std::string_view text);
