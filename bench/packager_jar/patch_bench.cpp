// Times class patching (pass 3) of a large program: a main listing of about
// 60 KB of code with a label every 12 bytes and branches between them, and a
// procedure listing of the same shape. Prints the time per patch and the
// listing throughput.
//
//   patch_bench [PROGRAM_FOLDER]
#include "class_patch.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string listing(int labels, const char* fixedLine) {
    std::string text;
    for (int i = 0; i < labels; ++i) {
        char line[96];
        std::snprintf(line, sizeof line, ":L%.4d\n%s\n$2A $10 $07 $B5 $00 $CA\n$A7 _L%.4d\n", i, fixedLine,
                      i / 2);
        text += line;
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : ORB_PROGRAM_FOLDER;
    std::ifstream in(folder + "/thegc.dat", std::ios::binary);
    std::vector<std::uint8_t> templateBytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (templateBytes.empty()) {
        std::fprintf(stderr, "cannot read %s/thegc.dat\n", folder.c_str());
        return 1;
    }
    // 11 bytes per label: 5000 labels are 55,000 bytes of code in each method.
    const std::string main = listing(5000, "$09 $40"), procedures = listing(5000, "$09 $42");
    std::vector<std::uint8_t> out;
    const int rounds = 50;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i)
        if (!patchGameClass(templateBytes, main, procedures, out)) {
            std::fprintf(stderr, "patching failed\n");
            return 1;
        }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    double perPatch = seconds / rounds;
    std::printf("class patching: %zu + %zu listing characters, 2 x 5000 labels, class of %zu bytes\n", main.size(),
                procedures.size(), out.size());
    std::printf("  %.2f ms per patch, %.1f MB of listing text per second\n", perPatch * 1000,
                static_cast<double>(main.size() + procedures.size()) / perPatch / 1e6);
    return 0;
}
