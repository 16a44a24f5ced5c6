// Runs every hand-written program image in tests/images with `orbrt`, headless,
// and compares the error file it leaves with NAME.expected (written with LF
// line ends; the runtime writes CR LF).
//
// Optional companions: NAME.env holds KEY=VALUE lines for the environment of
// the run, NAME.status the expected exit status (0 when absent).
#include "orbrt_runs.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

class ImageProgram : public testing::TestWithParam<std::string> {};

TEST_P(ImageProgram, LeavesTheExpectedErrorFile) {
    const fs::path source = fs::path(IMAGES_DIR) / GetParam();
    const fs::path folder = fs::temp_directory_path() / ("orbrt-image-" + GetParam() + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(source.string() + ".image", folder / "orb16.tmp");

    std::vector<std::string> environment;
    if (fs::exists(source.string() + ".env")) {
        std::istringstream lines(readWholeFile(source.string() + ".env"));
        for (std::string line; std::getline(lines, line);)
            if (!line.empty()) environment.push_back(line);
    }
    int expectedStatus = 0;
    if (fs::exists(source.string() + ".status")) expectedStatus = std::stoi(readWholeFile(source.string() + ".status"));

    EXPECT_EQ(runOrbrtHeadless(ORBRT_PATH, {folder.string()}, environment), expectedStatus);
    const std::string expected = withCrLf(readWholeFile(source.string() + ".expected"));
    EXPECT_EQ(readWholeFile(folder / "orberr.tmp"), expected);

    // A screenshot stays only when the reporter ended a run that had started.
    const std::string firstLine = expected.substr(0, expected.find('\r'));
    const bool normalEnd = firstLine.find(".0Program closed|") != std::string::npos;
    EXPECT_EQ(fs::exists(folder / "orbdump.bmp"), expectedStatus == 0 && !normalEnd);
    fs::remove_all(folder);
}

fs::path freshFolder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / (name + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

const char* const endImage = "w01VXB\nL5:1f\nwx0001";

TEST(Startup, MissingImageFailsWithStatusMinusOne) {
    const fs::path folder = freshFolder("orbrt-missing");
    EXPECT_EQ(runOrbrtHeadless(ORBRT_PATH, {folder.string()}), 255);
    EXPECT_EQ(readWholeFile(folder / "orberr.tmp"), "0.112Cannot find orb16.tmp|Line 0: [0-0]\r\n");
    EXPECT_FALSE(fs::exists(folder / "orbdump.bmp"));
    fs::remove_all(folder);
}

TEST(Startup, TheWholeCommandLineIsTheFolder) {
    const fs::path parent = freshFolder("orbrt-blanks");
    const fs::path folder = parent / "with two blanks";
    fs::create_directories(folder);
    std::ofstream(folder / "orb16.tmp") << endImage;
    EXPECT_EQ(runOrbrtHeadless(ORBRT_PATH, {(parent / "with").string(), "two", "blanks"}), 0);
    EXPECT_EQ(readWholeFile(folder / "orberr.tmp"), "5.110End of program|Line 5: [360-640]\r\n");
    fs::remove_all(parent);
}

TEST(Startup, WithoutCommandLineTheProgramFolderIsUsed) {
    const fs::path folder = freshFolder("orbrt-beside");
    const fs::path programFolder = fs::path(ORBRT_PATH).parent_path();
    fs::copy_file(ORBRT_PATH, folder / "orbrt");
    fs::copy_file(programFolder / "mobilefont.png", folder / "mobilefont.png");
    std::ofstream(folder / "orb16.tmp") << endImage;
    EXPECT_EQ(runOrbrtHeadless(folder / "orbrt", {}), 0);
    EXPECT_EQ(readWholeFile(folder / "orberr.tmp"), "5.110End of program|Line 5: [360-640]\r\n");
    fs::remove_all(folder);
}

TEST(Startup, MissingSystemFontFails) {
    const fs::path folder = freshFolder("orbrt-nofont");
    fs::copy_file(ORBRT_PATH, folder / "orbrt");
    std::ofstream(folder / "orb16.tmp") << endImage;
    EXPECT_EQ(runOrbrtHeadless(folder / "orbrt", {}), 255);
    EXPECT_EQ(readWholeFile(folder / "orberr.tmp"), "0.114Failed to load system font image|Line 0: [360-640]\r\n");
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Images, ImageProgram, testing::ValuesIn(std::vector<std::string>{IMAGE_NAMES}),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
