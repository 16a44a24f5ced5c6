// Compile speed: generated programs of 1,000, 10,000 and 100,000 lines with
// thousands of variables and labels; prints lines per second for each size.
#include "compile_program.h"
#include "cpu_time.h"
#include "error_file.h"
#include "image_writer.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Blocks of ten lines: assignments over many variables, labels with forward
// and backward Gotos, conditions, loops, strings, arrays, a procedure call.
std::vector<std::string> generate(int lineCount) {
    std::vector<std::string> lines;
    lines.push_back("Dim table(100)");
    lines.push_back("Procedure Add[a, b]");
    lines.push_back("EndProc a + b");
    int block = 0;
    while (int(lines.size()) + 10 <= lineCount) {
        std::string v = "v" + std::to_string(block % 2000);
        std::string w = "w" + std::to_string((block * 7) % 2000);
        // Labels share one numbering with the loops' generated labels, which must stay below 10000.
        std::string label = "l" + std::to_string(block);
        bool labelled = block < 3000;
        bool looping = block % 10 == 0;
        lines.push_back(v + " = " + w + " + " + std::to_string(block) + " * (2 - 1)");
        lines.push_back(labelled ? label + ":" : "; no more labels");
        // Conditions are numbered in four-digit fields too: at most 10000 Ifs per program.
        lines.push_back(block % 2 ? w + " = Add[" + v + ", 1]"
                                  : "If " + v + " > 5 AND " + w + " < 3 Then " + w + " = Add[" + v + ", 1]");
        lines.push_back("s" + std::to_string(block % 2000) + "$ = \"text\" + Str$(" + v + ")");
        lines.push_back("table(" + std::to_string(block % 100 + 1) + ") = Abs(" + v + ") Mod 7");
        std::string f = "f" + std::to_string(block % 1000) + "#";
        lines.push_back(looping ? "While " + v + " < 10 : " + v + " = " + v + " + 1 : Wend" : f + " = " + f + " * 2");
        lines.push_back(looping ? "For i = 1 TO 3 : " + f + " = f0# + 1.5 : Next" : "q = Max(" + v + ", " + w + ")");
        lines.push_back(labelled ? "If " + v + " = 0 Then Goto " + label : "Print " + v);
        lines.push_back("Print " + v + ", \"done\" ; a comment");
        lines.push_back("Data 1, 2.5, \"x\"");
        ++block;
    }
    while (int(lines.size()) < lineCount) lines.push_back("x = 1");
    return lines;
}

}  // namespace

// Sizes may be given on the command line; by default 1,000, 10,000 and 100,000 lines.
int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {1000, 10000, 100000};
    for (int size : sizes) {
        std::vector<std::string> lines = generate(size);
        int repeats = 1000000 / size;
        double best = 1e9;
        std::size_t imageSize = 0;
        for (int r = 0; r < repeats; ++r) {
            ImageWriter writer;
            double start = cpuSeconds();
            CompileOutcome outcome = compileProgram(writer, lines, ".");
            double seconds = cpuSeconds() - start;
            if (outcome.fault.code) {
                std::printf("compile failed: %s\n", compileErrorLine(outcome.fault).c_str());
                return 1;
            }
            best = std::min(best, seconds);
            imageSize = writer.text.size();
        }
        std::printf("%7d lines: %8.3f ms CPU, %10.0f lines/s, image %zu bytes\n", size, best * 1000,
                    size / best, imageSize);
    }
    return 0;
}
