// Compile error codes and their message formats, from the one table in
// compile_errors.def. A code is an index into the format table; the error
// file line is built from it (error_file.h).
#pragma once

#include <array>
#include <string_view>

enum CompileError : int {
#define COMPILE_ERROR(name, format) name,
#include "compile_errors.def"
#undef COMPILE_ERROR
};

// printf-style formats, one per code. Most take the line and the statement text.
inline constexpr std::array compileErrorFormats = {
#define COMPILE_ERROR(name, format) std::string_view(format),
#include "compile_errors.def"
#undef COMPILE_ERROR
};

inline constexpr int compileErrorCount = int(compileErrorFormats.size());

// The short variant of code 24, used when no call argument is being compiled.
inline constexpr std::string_view typeMismatchPlainFormat = "Type mismatch|Line %d : %s";

// Hints for the mistakes of programmers who come from other BASICs. A hint
// follows the message where a person reads it (the command line, the error
// dialog); the error file's line never carries it. "{name}" is replaced by the
// name the fault concerns, "{count}" by a number that goes with it.
enum CompileHint : int {
#define COMPILE_HINT(name, text) name,
#include "compile_hints.def"
#undef COMPILE_HINT
};

inline constexpr std::array compileHintTexts = {
#define COMPILE_HINT(name, text) std::string_view(text),
#include "compile_hints.def"
#undef COMPILE_HINT
};
