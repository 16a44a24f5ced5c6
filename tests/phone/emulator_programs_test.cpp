// Runs the hand-written program images of tests/screen/programs and
// tests/phone/programs with `orbrt`, headless, and compares the error file with
// NAME.expected (LF line ends; the runtime writes CR LF). Optional companions:
// NAME.input, an input script given as ORBRT_INPUT; NAME.pixels, lines of
// "x y RRGGBB" that the snapshot of the last shown frame must hold.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "screen/image_file.h"

namespace fs = std::filesystem;

namespace {

const char* const programFolders[] = {ORB_SCREEN_PROGRAMS, ORB_PHONE_PROGRAMS};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string withCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

int runHeadless(const fs::path& folder, const std::vector<std::string>& environment) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("ORBRT_HEADLESS", "1", 1);
        for (const std::string& assignment : environment) putenv(const_cast<char*>(assignment.c_str()));
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, STDERR_FILENO);
        execl(ORBRT_PATH, "orbrt", folder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

fs::path sourceOf(const std::string& name) {
    for (const char* folder : programFolders)
        if (fs::exists(fs::path(folder) / (name + ".image"))) return fs::path(folder) / name;
    return {};
}

class EmulatorProgram : public testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(EmulatorProgram, LeavesTheExpectedErrorFileAndFrame) {
    const fs::path source = sourceOf(GetParam());
    const fs::path folder = fs::temp_directory_path() / ("orbrt-emulator-" + GetParam() + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(source.string() + ".image", folder / "orb16.tmp");
    const fs::path snapshot = folder / "snapshot.png";
    std::vector<std::string> environment{"ORBRT_SNAPSHOT=" + snapshot.string()};
    if (fs::exists(source.string() + ".input")) environment.push_back("ORBRT_INPUT=" + source.string() + ".input");

    EXPECT_EQ(runHeadless(folder, environment), 0);
    EXPECT_EQ(readFile(folder / "orberr.tmp"), withCrLf(readFile(source.string() + ".expected")));

    if (fs::exists(source.string() + ".pixels")) {
        const auto frame = readImageFile(snapshot.string());
        ASSERT_TRUE(frame);
        std::istringstream lines(readFile(source.string() + ".pixels"));
        for (std::string line; std::getline(lines, line);) {
            if (line.empty() || line[0] == '#') continue;
            std::istringstream words(line);
            int x = 0, y = 0;
            std::string colour;
            words >> x >> y >> colour;
            EXPECT_EQ(frame->at(x, y) & 0xFFFFFFu, std::stoul(colour, nullptr, 16)) << "pixel " << x << ", " << y;
        }
    }
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Programs, EmulatorProgram, testing::ValuesIn(std::vector<std::string>{PROGRAM_NAMES}),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });
