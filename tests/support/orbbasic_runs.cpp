#include "orbbasic_runs.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

std::string contentOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

CommandRun runOrbbasic(const std::filesystem::path& folder, const std::string& program, const std::string& arguments,
                       const std::string& setup) {
    const std::string command = "cd '" + folder.string() + "' && " + setup + "ORBRT_HEADLESS=1 '" + program + "' " +
                                arguments + " >out.txt 2>err.txt";
    CommandRun r;
    const int status = std::system(command.c_str());
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = contentOf(folder / "out.txt");
    r.err = contentOf(folder / "err.txt");
    return r;
}
