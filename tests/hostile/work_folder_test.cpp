// orbrt's own end on a full or read-only work folder: the error file is
// written before the screenshot and through a temporary name, a run whose end
// cannot be written says so and fails, and no empty, partial or stale file is
// left for the environment to read as this run's.
#include "hostile_run.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char* const divideByZero = "a = 1\nb = 0\nPrint a / b\n";

// The program is compiled elsewhere; only its image is copied onto the small disk.
struct SmallWorkFolder : testing::Test {
    fs::path folder = freshFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
    RunOptions options{folder / "work", folder / "game", {}};
    bool mounted = false;

    // A tmpfs of `size` holding the image, or, where mounts are refused, a
    // file size limit of `injectedLimit` bytes.
    void prepare(const std::string& source, const std::string& size, long injectedLimit) {
        fs::create_directories(folder / "compile");
        fs::create_directories(options.current);
        ASSERT_TRUE(compileInto(folder / "compile", source));
        mounted = mountSmallDisk(options.work, size);
        if (!mounted) options.fileSizeLimit = injectedLimit;
        std::printf("[ condition ] %s\n", mounted ? ("tmpfs of " + size).c_str() : "file size limit injected");
        fs::copy_file(folder / "compile" / "orb16.tmp", options.work / "orb16.tmp");
    }
    void TearDown() override {
        if (mounted) unmount(options.work);
    }
    std::vector<std::string> filesInWork() {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(options.work)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(SmallWorkFolder, RoomForTheErrorFileButNotTheScreenshotKeepsTheEnd) {
    prepare(divideByZero, "64k", 8192);
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(firstLine(options.work / "orberr.tmp"), "3.96Divide by zero|Line 3: [360-640]");
    // No partial screenshot: the error screen would show it as the program's last frame.
    EXPECT_EQ(filesInWork(), (std::vector<std::string>{"orb16.tmp", "orberr.tmp"}));
}

TEST_F(SmallWorkFolder, AFullDiskFailsTheRunAndSaysSo) {
    prepare(divideByZero, "8k", 0);
    if (mounted) fillDisk(options.work);
    EXPECT_EQ(run(options), 1);
    EXPECT_NE(runErrors(options).find("Cannot write the error file"), std::string::npos) << runErrors(options);
    const std::vector<std::string> left = filesInWork();
    EXPECT_EQ(std::count(left.begin(), left.end(), "orberr.tmp"), 0);  // never an empty one
    EXPECT_EQ(std::count(left.begin(), left.end(), "orbdump.bmp"), 0);
    EXPECT_EQ(left.size(), mounted ? 2u : 1u);  // the image (and the filler): no temporary
}

TEST_F(SmallWorkFolder, ANormalEndOnAFullDiskFailsTheRunToo) {
    prepare("x = 1\n", "8k", 0);
    if (mounted) fillDisk(options.work);
    EXPECT_EQ(run(options), 1);
    EXPECT_NE(runErrors(options).find("Cannot write the error file"), std::string::npos) << runErrors(options);
    EXPECT_FALSE(fs::exists(options.work / "orberr.tmp"));
}

TEST_F(SmallWorkFolder, TheCompilesLineNeverPassesForTheRunsEnd) {
    prepare(divideByZero, "64k", 0);
    // The compile's "no errors" line, as the environment leaves it before the
    // run. Removing it would free room on a full disk, so no file may grow.
    writeWholeFile((options.work / "orberr.tmp").string(), "0.0No errors|Line 0: [0-0]\r\n");
    options.fileSizeLimit = 0;
    std::printf("[ condition ] and a file size limit of 0 bytes\n");
    EXPECT_EQ(run(options), 1);
    EXPECT_FALSE(fs::exists(options.work / "orberr.tmp"));
}

TEST_F(SmallWorkFolder, AReadOnlyFolderFailsTheRunAndLeavesItsFilesAlone) {
    prepare(divideByZero, "64k", 0);
    const std::string stale = "0.0No errors|Line 0: [0-0]\r\n";
    writeWholeFile((options.work / "orberr.tmp").string(), stale);
    if (mounted) {
        ASSERT_TRUE(remountReadOnly(options.work));
    }
    EXPECT_EQ(run(options), 1);
    EXPECT_NE(runErrors(options).find("Cannot write the error file"), std::string::npos) << runErrors(options);
    if (mounted) {
        EXPECT_EQ(readWholeFile((options.work / "orberr.tmp").string()), stale);  // nothing emptied or half written
    }
}

}  // namespace
