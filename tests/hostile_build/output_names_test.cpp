// The output of --compile never replaces one of the build's own inputs, and
// its JAD sits beside it with the JAR's extension replaced.
#include "build_fixture.h"

namespace fs = std::filesystem;

TEST_F(HostileBuild, AnOutputNamingTheSourceIsRefusedAndTheSourceKept) {
    write("game.orb", "Print 1\n");
    CommandRun r = run("--compile game.orb -o game.orb");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("would overwrite the program's source"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("Operation Complete"), std::string::npos);
    EXPECT_EQ(read(dir / "game.orb"), "Print 1\n");
    EXPECT_FALSE(fs::exists(dir / "game.jad"));
}

TEST_F(HostileBuild, AnOutputNamingAPictureOfThePackageIsRefusedAndThePictureKept) {
    writeRandomFile("pic.png", 1000);
    std::string picture = read(dir / "pic.png");
    write("game.orb", "LoadImage \"pic.png\", 1\n");
    CommandRun r = run("--compile game.orb -o pic.png");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("would overwrite a file the package holds"), std::string::npos) << r.err;
    EXPECT_EQ(read(dir / "pic.png"), picture);
}

TEST_F(HostileBuild, AnOutputNamingAnIncludeFileIsRefused) {
    write("lib.inc", "x = 1\n");
    write("game.orb", "Include \"lib.inc\"\n");
    CommandRun r = run("--compile game.orb -o lib.inc");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("would overwrite an Include file"), std::string::npos) << r.err;
    EXPECT_EQ(read(dir / "lib.inc"), "x = 1\n");
}

TEST_F(HostileBuild, AnOutputWhoseJadWouldBeTheSourceIsRefused) {
    write("game.jad", "Print 1\n");
    CommandRun r = run("--compile game.jad -o game.jar");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("would overwrite the program's source"), std::string::npos) << r.err;
    EXPECT_EQ(read(dir / "game.jad"), "Print 1\n");
}

TEST_F(HostileBuild, TheJadReplacesTheOutputsExtension) {
    write("game.orb", "Print 1\n");
    CommandRun r = run("--compile game.orb -o game.ab");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(dir / "game.ab"));
    EXPECT_TRUE(fs::exists(dir / "game.jad"));
    EXPECT_FALSE(fs::exists(dir / "gamejad"));
}

TEST_F(HostileBuild, AJarNameWithACommaIsRefusedBeforeAnythingIsWritten) {
    write("game.orb", "Print 1\n");
    CommandRun r = run("--compile game.orb -o 'my,game.jar'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("holds a comma"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "my,game.jar"));
}

TEST_F(HostileBuild, AJarNameWithALineEndIsRefused) {
    write("game.orb", "Print 1\n");
    CommandRun r = run("--compile game.orb -o \"$(printf 'a\\nEvil.jar')\"");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("line end"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "a\nEvil.jar"));
}
