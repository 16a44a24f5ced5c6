// The hand-written program images of the screen and phone tests, run in the
// phone window instead of headless: the error file must be the same, and the
// snapshot of the window's last frame must hold the same pixels. This covers
// lines, boxes, circles, ellipses, the text styles, Center, clip,
// ScreenOffset, SetBufferSize and the joypad overlay in every layout.
#include <gtest/gtest.h>

#include "orbrt_runs.h"
#include "test_files.h"
#include "windowed_run.h"

namespace {

const char* const programFolders[] = {ORB_SCREEN_PROGRAMS, ORB_PHONE_PROGRAMS};

fs::path sourceOf(const std::string& name) {
    for (const char* folder : programFolders)
        if (fs::exists(fs::path(folder) / (name + ".image"))) return fs::path(folder) / name;
    return {};
}

class WindowedProgram : public testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(WindowedProgram, LeavesTheHeadlessErrorFileAndFrame) {
    const fs::path source = sourceOf(GetParam());
    const fs::path folder = workFolderWith(source.string() + ".image", GetParam());
    const fs::path snapshot = folder / "snapshot.png";
    std::vector<std::string> environment{"ORBRT_SNAPSHOT=" + snapshot.string()};
    if (fs::exists(source.string() + ".input")) environment.push_back("ORBRT_INPUT=" + source.string() + ".input");

    EXPECT_EQ(finishRun(startWindowed(folder, environment), folder), 0);
    EXPECT_EQ(readWholeFile(folder / "orberr.tmp"), withCrLf(readWholeFile(source.string() + ".expected")));

    if (fs::exists(source.string() + ".pixels")) expectSnapshotPixels(snapshot, source.string() + ".pixels");
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Programs, WindowedProgram, testing::ValuesIn(std::vector<std::string>{PROGRAM_NAMES}),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });
