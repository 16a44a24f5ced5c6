#include "orbrt_runs.h"

#include "screen/image_file.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

std::string withCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

int runOrbrtHeadless(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                     const std::vector<std::string>& environment, const std::filesystem::path& workingDirectory) {
    std::vector<char*> argv{const_cast<char*>("orbrt")};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("ORBRT_HEADLESS", "1", 1);
        for (const std::string& assignment : environment) putenv(const_cast<char*>(assignment.c_str()));
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, STDERR_FILENO);
        if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) _exit(126);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void expectSnapshotPixels(const std::filesystem::path& snapshot, const std::filesystem::path& pixelsFile) {
    const auto frame = readImageFile(snapshot.string());
    ASSERT_TRUE(frame) << "no snapshot " << snapshot;
    std::istringstream lines(readWholeFile(pixelsFile.string()));
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        int x = 0, y = 0;
        std::string colour;
        words >> x >> y >> colour;
        EXPECT_EQ(frame->at(x, y) & 0xFFFFFFu, std::stoul(colour, nullptr, 16)) << "pixel " << x << ", " << y;
    }
}
