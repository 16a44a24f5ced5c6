// Package mode: compile speed of both passes and the code size of the
// listings for generated programs. The main listing must stay within one
// method's 64 KiB of code, so bytes per line say how long a program the
// phone can hold.
#include "class_patch.h"
#include "compile_program.h"
#include "cpu_time.h"
#include "listing.h"
#include "package_writer.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Blocks of eight typical lines: arithmetic, a condition, text, an array, a
// built-in, a loop, a procedure call and a Print.
std::vector<std::string> generate(int lineCount) {
    std::vector<std::string> lines = {"Dim table(100)"};
    for (int block = 0; int(lines.size()) + 8 <= lineCount - 2; ++block) {
        std::string v = "v" + std::to_string(block % 500), w = "w" + std::to_string((block * 7) % 500);
        lines.push_back(v + " = " + w + " + " + std::to_string(block) + " * (2 - 1)");
        lines.push_back("If " + v + " > 5 AND " + w + " < 3 Then " + w + " = " + v + " - 1");
        lines.push_back("s" + std::to_string(block % 200) + "$ = \"text\" + Str$(" + v + ")");
        lines.push_back("table(" + std::to_string(block % 100 + 1) + ") = Abs(" + v + ") Mod 7");
        lines.push_back("f# = f# * 1.5 + " + v);
        lines.push_back("For i = 1 TO 3 : " + w + " = " + w + " + i : Next");
        lines.push_back(w + " = Add[" + v + ", 1]");
        lines.push_back("Print " + v);
    }
    lines.push_back("Procedure Add[a, b]");
    lines.push_back("EndProc a + b");
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes = {250, 500, 1000, 2000};
    if (argc > 1) sizes.assign({std::atoi(argv[1])});
    std::ifstream in(std::string(ORB_PROGRAM_FOLDER) + "/thegc.dat", std::ios::binary);
    std::vector<std::uint8_t> gameClass((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (int size : sizes) {
        std::vector<std::string> lines = generate(size);
        const int rounds = 20000 / size + 1;
        double start = cpuSeconds();
        std::string main, procedures;
        for (int r = 0; r < rounds; ++r) {
            PackageWriter first(nullptr);
            compileProgram(first, lines, ".");
            PackageWriter second(&first.layout);
            compileProgram(second, lines, ".");
            main = second.mainListing;
            procedures = second.procedureListing();
        }
        double seconds = (cpuSeconds() - start) / rounds;
        std::vector<std::uint8_t> out;
        bool fits = patchGameClass(gameClass, main, procedures, out);
        int bytes = listingSize(main);
        std::printf("%5d lines: passes 1 and 2 in %.2f ms (%.0f lines/s); main code %d bytes, %.1f per line; "
                    "pass 3 %s\n",
                    int(lines.size()), seconds * 1e3, lines.size() / seconds, bytes, double(bytes) / lines.size(),
                    fits ? "fits" : "fails (over 64 KiB of code or a branch beyond 32 KiB)");
    }
}
