// Runs the hand-written program images of tests/screen/programs and
// tests/phone/programs with `orbrt`, headless, and compares the error file with
// NAME.expected (LF line ends; the runtime writes CR LF). Optional companions:
// NAME.input, an input script given as ORBRT_INPUT; NAME.pixels, lines of
// "x y RRGGBB" that the snapshot of the last shown frame must hold.
#include "orbrt_runs.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const programFolders[] = {ORB_SCREEN_PROGRAMS, ORB_PHONE_PROGRAMS};

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

    EXPECT_EQ(runOrbrtHeadless(ORBRT_PATH, {folder.string()}, environment), 0);
    EXPECT_EQ(readWholeFile((folder / "orberr.tmp").string()), withCrLf(readWholeFile(source.string() + ".expected")));
    if (fs::exists(source.string() + ".pixels")) expectSnapshotPixels(snapshot, source.string() + ".pixels");
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Programs, EmulatorProgram, testing::ValuesIn(std::vector<std::string>{PROGRAM_NAMES}),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });
