// What a package may hold: files under the program's folder, one file per
// name, and the prepared data files of the program folder, checked first.
#include "build_fixture.h"

#include "package/package_build.h"

#include <fstream>

namespace fs = std::filesystem;

namespace {

// A program folder of the test's own, made of the built one's data files.
fs::path copyProgramFolder(const fs::path& to) {
    fs::create_directories(to);
    for (const auto& e : fs::directory_iterator(ORB_PROGRAM_FOLDER)) {
        std::string ext = e.path().extension().string();
        if (ext == ".dat" || ext == ".png") fs::copy_file(e.path(), to / e.path().filename());
    }
    return to;
}

BuildResult package(const fs::path& dir, const fs::path& programFolder, const std::string& text,
                    std::string& status) {
    BuildRequest request;
    request.lines = splitSourceLines(text);
    request.sourceFile = dir / "game.orb";
    request.workFolder = dir / "work";
    request.programFolder = programFolder;
    PackageProgress progress;
    progress.status = [&](std::string_view s) { status += std::string(s) + "\n"; };
    progress.outputName = [&] { return (dir / "game.jar").string(); };
    return buildPackage(request, progress);
}

}  // namespace

TEST_F(HostileBuild, AFileOutsideTheProgramsFolderIsRefusedByName) {
    fs::create_directories(dir / "outside");
    write("outside/secret.txt", "secret");
    fs::create_directories(dir / "src");
    write("src/game.orb", "LoadMap \"../outside/secret.txt\"\n");
    CommandRun r = run("--compile src/game.orb -o game.jar");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("outside: ../outside/secret.txt"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("Pass 1 ..... Fail"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(dir / "game.jar"));
}

TEST_F(HostileBuild, TwoPicturesWithOneBareNameAreRefusedNamingBoth) {
    writeRandomFile("a/pic.png", 100);
    writeRandomFile("b/pic.png", 200);
    write("game.orb", "LoadImage \"a/pic.png\", 1\nLoadImage \"b/pic.png\", 2\n");
    CommandRun r = run("--compile game.orb -o game.jar");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Two files would be stored as pic.png"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("a/pic.png"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("b/pic.png"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "game.jar"));
}

TEST_F(HostileBuild, OnePictureNamedTwoWaysIsStoredOnce) {
    writeRandomFile("pic.png", 100);
    write("game.orb", "LoadImage \"pic.png\", 1\nLoadImage \"./pic.png\", 2\n");
    CommandRun r = run("--compile game.orb -o game.jar");
    ASSERT_EQ(r.status, 0) << r.err;
    std::string command = "unzip -Z1 '" + (dir / "game.jar").string() + "' | grep -c '^pic.png$' > '" +
                          (dir / "count.txt").string() + "'";
    std::system(command.c_str());
    EXPECT_EQ(read(dir / "count.txt"), "1\n");
}

TEST_F(HostileBuild, AUserFileUnderAReservedNameIsRefused) {
    fs::create_directories(dir / "data");
    write("data/orb16.dat", "not the package data");
    write("game.orb", "LoadMap \"data/orb16.dat\"\n");
    CommandRun r = run("--compile game.orb -o game.jar");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("keeps the name orb16.dat"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("data/orb16.dat"), std::string::npos) << r.err;
}

TEST_F(HostileBuild, ACopyOfAPreparedPictureUnderItsOwnNameIsStoredOnce) {
    fs::copy_file(fs::path(ORB_PROGRAM_FOLDER) / "mobilefont.png", dir / "mobilefont.png");
    write("game.orb", "LoadImage \"mobilefont.png\", 1\n");
    CommandRun r = run("--compile game.orb -o game.jar");
    ASSERT_EQ(r.status, 0) << r.err;
    std::string command = "unzip -Z1 '" + (dir / "game.jar").string() + "' | grep -c '^mobilefont.png$' > '" +
                          (dir / "count.txt").string() + "'";
    std::system(command.c_str());
    EXPECT_EQ(read(dir / "count.txt"), "1\n");
}

TEST_F(HostileBuild, AMissingOrDamagedDataFileIsNamedBeforePassOne) {
    struct Case {
        const char* file;
        const char* content;   // nullptr: removed
        const char* said;
    };
    for (const Case& c : {Case{"thegc.dat", "", "thegc.dat is damaged"},
                          Case{"mobilefont.png", nullptr, "mobilefont.png is missing"},
                          Case{"attachedcontrol3.png", "GIF89a", "attachedcontrol3.png is damaged"},
                          Case{"GameMidlet.dat", "\xCA\xFE", "GameMidlet.dat is damaged"}}) {
        fs::path program = copyProgramFolder(dir / "program" / c.file);
        if (c.content) std::ofstream(program / c.file, std::ios::binary | std::ios::trunc) << c.content;
        else fs::remove(program / c.file);
        std::string status;
        BuildResult r = package(dir, program, "Print 1\n", status);
        EXPECT_FALSE(r.packaged) << c.file;
        EXPECT_EQ(r.messageBox.substr(0, std::string(c.said).size()), c.said) << r.messageBox;
        EXPECT_EQ(status, "Pass 1 ..... Fail\n") << c.file;
        EXPECT_FALSE(fs::exists(dir / "game.jar"));
    }
}

TEST_F(HostileBuild, ACompileLeavesTheImageOfAnEarlierTestAlone) {
    write("game.orb", "Print 1\n");
    ASSERT_EQ(run("--test game.orb").status, 0);
    std::string image = read(dir / "work/orb16.tmp");
    ASSERT_FALSE(image.empty());
    ASSERT_EQ(run("--compile game.orb -o game.jar").status, 0) << read(dir / "err.txt");
    EXPECT_EQ(read(dir / "work/orb16.tmp"), image);
}
