// Compiling sources held in memory, for the compiler's tests.
#pragma once

#include "compile_program.h"
#include "error_file.h"
#include "image_writer.h"

#include <string>
#include <vector>

inline const std::filesystem::path goldenFolder = ORB_GOLDEN_DIR;

// The error-file line a Test build writes for these lines.
inline std::string errorLineOf(const std::vector<std::string>& lines,
                               const std::filesystem::path& folder = goldenFolder) {
    ImageWriter writer;
    CompileOutcome outcome = compileProgram(writer, lines, folder);
    return outcome.fault.code ? compileErrorLine(outcome.fault) : noErrorsLine(outcome.compiledLines);
}

inline std::string imageOf(const std::vector<std::string>& lines,
                           const std::filesystem::path& folder = goldenFolder) {
    ImageWriter writer;
    compileProgram(writer, lines, folder);
    return writer.text;
}

// The body of a one-line program: what follows its line mark, up to the "1f" of the end.
inline std::string bodyOf(const std::string& line) {
    std::string image = imageOf({line});
    std::size_t start = image.find("L1:") + 3;
    std::size_t end = image.rfind("1f\n~a0000");
    return image.substr(start, end - start);
}

// The hint that follows the message of the first fault; empty when none.
inline std::string hintOf(const std::vector<std::string>& lines) {
    ImageWriter writer;
    return compileErrorHint(compileProgram(writer, lines, goldenFolder).fault);
}
