// Full disks: a failed write is a reported failure and leaves the previous
// good files as they were, with no partial file beside them.
#include "build_fixture.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string manyLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "x = 12345 + " + std::to_string(i) + "\n";
    return text;
}

}  // namespace

TEST_F(HostileBuild, AJarRebuildOnAFullDiskLeavesTheOldJarAndJad) {
    write("game.orb", "Print 1\n");
    fs::create_directories(dir / "sizes");
    ASSERT_EQ(run("--compile game.orb -o sizes/game.jar").status, 0) << read(dir / "err.txt");
    auto pairSize = fs::file_size(dir / "sizes/game.jar") + fs::file_size(dir / "sizes/game.jad");
    // Room for the old pair and a little more, never for a second JAR with a large file in it.
    mountSmallDisk(int(pairSize / 4096 + 1) * 4 + 32);
    ASSERT_EQ(run("--compile game.orb -o disk/game.jar").status, 0) << read(dir / "err.txt");
    std::string oldJar = read(dir / "disk/game.jar"), oldJad = read(dir / "disk/game.jad");

    writeRandomFile("level.map", 400 * 1024);
    write("game.orb", "LoadMap \"level.map\"\nPrint 2\n");
    CommandRun r = run("--compile game.orb -o disk/game.jar");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("JAR file error"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("Operation Complete"), std::string::npos);
    EXPECT_EQ(read(dir / "disk/game.jar"), oldJar);
    EXPECT_EQ(read(dir / "disk/game.jad"), oldJad);
    EXPECT_EQ(temporaryFilesIn(disk), 0);
}

TEST_F(HostileBuild, ATestOnAFullDiskFailsAndKeepsTheWholeOldImage) {
    mountSmallDisk(16);
    write("small.orb", "Print 1\n");
    ASSERT_EQ(run("--work disk --test small.orb").status, 0) << read(dir / "err.txt");
    std::string oldImage = read(disk / "orb16.tmp");

    write("large.orb", manyLines(2000));   // an image far above the disk
    CommandRun r = run("--work disk --test large.orb");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.find("No errors"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("Cannot create temp file"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("orb16.tmp"), std::string::npos) << r.err;
    EXPECT_EQ(read(disk / "orb16.tmp"), oldImage);
    // The earlier "No errors" must not pass for this build's result.
    EXPECT_FALSE(fs::exists(disk / "orberr.tmp"));
    EXPECT_EQ(temporaryFilesIn(disk), 0);
}

// The package data, the patched class or the manifest, whichever meets the full disk first.
TEST_F(HostileBuild, APackageBuildOnAFullWorkDiskIsReportedAsAFileFailure) {
    mountSmallDisk(16);
    write("large.orb", manyLines(2000));
    CommandRun r = run("--work disk --compile large.orb -o game.jar");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.find("Operation Complete"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("Cannot create"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("too large"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "game.jar"));
    EXPECT_EQ(temporaryFilesIn(disk), 0);
}
