// Runs the program images in tests/media/programs with `orbrt`, headless, in a
// folder holding the pictures "sheet.png" and "blocks.png" and the files of
// programs/assets, and compares the error file with NAME.expected (written
// with LF line ends; the runtime writes CR LF). Optional companions:
// NAME.archive, the bytes "hs.rs" must have after the run; NAME.pixels, lines
// of "x y RRGGBB" that the snapshot of the last shown frame must hold.
#include "orbrt_runs.h"
#include "png_writer.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class MediaProgram : public testing::TestWithParam<std::string> {};

TEST_P(MediaProgram, LeavesTheExpectedErrorFile) {
    const fs::path programs = fs::path(PROGRAMS_DIR);
    const fs::path source = programs / GetParam();
    const fs::path folder = fs::path(testFile(GetParam()));
    fs::create_directories(folder);
    fs::copy_file(source.string() + ".image", folder / "orb16.tmp", fs::copy_options::overwrite_existing);
    for (const fs::directory_entry& asset : fs::directory_iterator(programs / "assets"))
        fs::copy_file(asset.path(), folder / asset.path().filename(), fs::copy_options::overwrite_existing);
    ASSERT_TRUE(writeTwoFrameSheet((folder / "sheet.png").string()));
    // Three opaque 32 x 32 frames: red, green, blue.
    const uint32_t blocks[] = {0xffff0000u, 0xff00ff00u, 0xff0000ffu};
    ASSERT_TRUE(writePng((folder / "blocks.png").string(), 96, 32, [&](int x, int) { return blocks[x / 32]; }));
    const fs::path snapshot = folder / "snapshot.png";

    // Run in the folder, where the program's relative file names point.
    EXPECT_EQ(runOrbrtHeadless(ORBRT_PATH, {folder.string()}, {"ORBRT_SNAPSHOT=" + snapshot.string()}, folder), 0);
    EXPECT_EQ(readWholeFile((folder / "orberr.tmp").string()), withCrLf(readWholeFile(source.string() + ".expected")));
    if (fs::exists(source.string() + ".archive")) {
        EXPECT_EQ(readWholeFile((folder / "hs.rs").string()), readWholeFile(source.string() + ".archive"));
    }
    if (fs::exists(source.string() + ".pixels")) expectSnapshotPixels(snapshot, source.string() + ".pixels");
}

INSTANTIATE_TEST_SUITE_P(Programs, MediaProgram, testing::Values(PROGRAM_NAMES),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
