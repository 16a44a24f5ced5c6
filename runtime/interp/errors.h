// Run-time messages, from the one table in run_errors.def. The message code
// written into the error file is the index + 88, so compile errors (below 88)
// and run-time errors share one space.
#pragma once

#include <array>
#include <string_view>

enum class RunError : int {
#define RUN_ERROR(name, text) name,
#include "run_errors.def"
#undef RUN_ERROR
};

inline constexpr int runErrorCodeBase = 88;

inline constexpr std::array runErrorMessages = {
#define RUN_ERROR(name, text) std::string_view(text),
#include "run_errors.def"
#undef RUN_ERROR
};

inline constexpr std::string_view message(RunError e) { return runErrorMessages[static_cast<int>(e)]; }
inline constexpr int messageCode(RunError e) { return static_cast<int>(e) + runErrorCodeBase; }
