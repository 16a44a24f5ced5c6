// Runs every program of this folder through `orbbasic --run` with orbrt
// headless and compares the error file it leaves with NAME.expected.
#include "source_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string programNames[] = {PROGRAM_NAMES};

class Program : public testing::TestWithParam<std::string> {};

TEST_P(Program, LeavesTheExpectedErrorFile) {
    const std::string name = GetParam();
    fs::path work = fs::temp_directory_path() / ("orb-program-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(work);
    fs::create_directories(work);
    // A program that never ends is stopped after a bounded number of steps.
    std::string command = std::string("ORBRT_HEADLESS=1 ORBRT_MAX_STEPS=2000000 '") + ORB_PROGRAM_FOLDER +
                          "/orbbasic' --work '" + work.string() + "' --run '" + PROGRAMS_DIR + "/" + name +
                          ".orb' >'" + (work / "out.txt").string() + "' 2>&1";
    int status = std::system(command.c_str());
    std::string expected;
    std::string actual;
    std::string output;
    ASSERT_TRUE(readWholeFile(fs::path(PROGRAMS_DIR) / (name + ".expected"), expected));
    readWholeFile(work / "out.txt", output);
    ASSERT_TRUE(readWholeFile(work / "orberr.tmp", actual)) << "no error file; orbbasic said:\n" << output;
    EXPECT_EQ(actual, expected) << "orbbasic said:\n" << output;
    // The exit status follows the first line: a normal end is 0, a run-time error 2.
    int code = std::atoi(expected.c_str() + expected.find('.') + 1);
    int wanted = (code == 0 || code == 88 || code == 110) ? 0 : 2;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == wanted) << output;
    fs::remove_all(work);
}

INSTANTIATE_TEST_SUITE_P(Programs, Program, testing::ValuesIn(programNames),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
