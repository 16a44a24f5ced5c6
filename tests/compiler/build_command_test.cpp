// The command-line driver and the build pipeline's files in the work folder.
#include "build_pipeline.h"
#include "orbbasic_runs.h"
#include "runtime_launcher.h"
#include "source_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

class BuildCommand : public testing::Test {
protected:
    fs::path dir;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("orbbasic-test-" + std::to_string(::getpid()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "work");
    }
    void TearDown() override { fs::remove_all(dir); }

    void write(const std::string& name, const std::string& text) { std::ofstream(dir / name, std::ios::binary) << text; }

    std::string read(const fs::path& path) {
        std::string s;
        readWholeFile(path, s);
        return s;
    }

    CommandRun run(const std::string& arguments) {
        return runOrbbasic(dir, ORB_PROGRAM_FOLDER "/orbbasic", "--work work " + arguments);
    }
};

TEST_F(BuildCommand, TestBuildWritesImageAndNoErrorsLine) {
    write("prog.orb", "x = 5\r\nPrint x\r\n");
    write("work/orbdump.bmp", "old screenshot");
    CommandRun r = run("--test prog.orb");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2.0No errors|Total Lines 2\n");
    EXPECT_EQ(read(dir / "work/orberr.tmp"), "2.0No errors|Total Lines 2");
    EXPECT_EQ(read(dir / "work/orb16.tmp").substr(0, 16), "w01VXB\n~c0000\n\nL");
    EXPECT_FALSE(fs::exists(dir / "work/orbdump.bmp"));
}

TEST_F(BuildCommand, CompileErrorGoesToStdoutAndAsFileLineToStderr) {
    write("prog.orb", "x = 1\nPrnt 5\n");
    CommandRun r = run("--test prog.orb");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "2.1Syntax error|Line 2:  Prnt 5\n");
    EXPECT_EQ(r.err, "prog.orb:2: Syntax error\n");
    EXPECT_EQ(read(dir / "work/orberr.tmp"), "2.1Syntax error|Line 2:  Prnt 5");
}

TEST_F(BuildCommand, AHintFollowsTheMessageOnStderrAndStaysOutOfTheErrorFile) {
    write("prog.orb", "Procedure Add[a, b]\nEndProc a + b\nx = Add(1, 2)\n");
    CommandRun r = run("--test prog.orb");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "3.52Missing \x07 Parameter(s)|Line 3:  x = Add(1, 2)\n");
    EXPECT_EQ(r.err, "prog.orb:3: Missing Parameter(s)\n"
                     "prog.orb:3: hint: Add is a procedure, and procedures take [ ]: write Add[...]\n");
    EXPECT_EQ(read(dir / "work/orberr.tmp"), "3.52Missing \x07 Parameter(s)|Line 3:  x = Add(1, 2)");

    write("keyword.orb", "x = 1\nstep = 0\n");
    r = run("--run keyword.orb");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "keyword.orb:2: Invalid use of a keyword\n"
                     "keyword.orb:2: hint: Step is a keyword: give the variable another name\n");
}

TEST_F(BuildCommand, FaultInAnIncludeFileNamesThatFile) {
    fs::create_directories(dir / "src/lib");
    write("src/prog.orb", "Include \"lib/a.inc\"\n");
    write("src/lib/a.inc", "Include \"lib/b.inc\"\nx = 1\n");
    write("src/lib/b.inc", "y = 2\nz = (3\n");
    CommandRun r = run("--test src/prog.orb");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "2.28Missing ) Bracket|Line 2:  z = (3|Using include file: lib/b.inc\n");
    EXPECT_EQ(r.err, "src/lib/b.inc:2: Missing ) Bracket\n");
}

TEST_F(BuildCommand, NestedIncludesCompileUnderTheIncludingLine) {
    fs::create_directories(dir / "src/lib");
    write("src/prog.orb", "Include \"lib/a.inc\"\nPrint 1");
    write("src/lib/a.inc", "Include \"lib/b.inc\"\r\nx = 1");
    write("src/lib/b.inc", "y = 2\n\nz = 3\n");
    CommandRun r = run("--test src/prog.orb");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "6.0No errors|Total Lines 6\n");
    std::string image = read(dir / "work/orb16.tmp");
    EXPECT_NE(image.find("\nL1:\nL1:\nL1:v40000m02x\nL1:v40001m03x\nL1:v40002m01x\nL2:tam01xe\n1f\n"),
              std::string::npos)
        << image;
}

TEST_F(BuildCommand, RunPrintsHowTheRunEndedAndExitsByIt) {
    fs::create_directories(dir / "src");
    write("src/fine.orb", "x = 1\n");
    write("src/fails.orb", "Data \"text\"\nRead n\n");
    write("work/orberr.tmp", "stale");
    CommandRun fine = run("--run src/fine.orb");
    EXPECT_EQ(fine.status, 0);
    EXPECT_EQ(fine.out, "1.110End of program|Line 1: [360-640]\n");
    CommandRun fails = run("--run src/fails.orb");
    EXPECT_EQ(fails.status, 2);
    EXPECT_EQ(fails.out, "2.105Wrong type of Data|Line 2: [360-640]\n");
    CommandRun broken = run("--run src/missing.orb");
    EXPECT_EQ(broken.status, 1);
}

TEST_F(BuildCommand, RunWithoutRuntimeReportsThatItCannotStart) {
    BuildRequest request;
    request.lines = {"x = 1"};
    request.workFolder = dir / "work";
    request.programFolder = dir;  // no orbrt here
    request.mode = BuildMode::Run;
    request.waitForRuntime = true;
    BuildResult result = build(request);
    EXPECT_TRUE(result.compiled);
    EXPECT_FALSE(result.runtimeStarted);
    EXPECT_EQ(result.messageBox, "Cannot execute ORBRT.EXE");
    EXPECT_FALSE(fs::exists(dir / "work/orberr.tmp"));
}

// The environment's Run: the runtime runs on by itself, and a second Run stops
// it first, as its close box does.
TEST_F(BuildCommand, ADetachedRunIsKnownByItsProcessAndStopsAsClosed) {
    setenv("ORBRT_HEADLESS", "1", 0);
    BuildRequest request;
    request.lines = {"x = 1", "Do : Loop"};
    request.workFolder = dir / "work";
    request.programFolder = ORB_PROGRAM_FOLDER;
    request.mode = BuildMode::Run;
    BuildResult result = build(request);
    ASSERT_TRUE(result.runtimeStarted);
    ASSERT_GT(result.runtime.processId, 0);
    EXPECT_TRUE(runtimeRunning(result.runtime));
    EXPECT_FALSE(fs::exists(dir / "work/orberr.tmp"));
    // A process that merely has the same id later is not the runtime.
    RunningRuntime impostor = result.runtime;
    impostor.startTicks += 1;
    EXPECT_FALSE(runtimeRunning(impostor));
    EXPECT_TRUE(stopRuntime(impostor, std::chrono::milliseconds(0)));
    EXPECT_TRUE(runtimeRunning(result.runtime));

    // Time for the runtime to take up its signal handling and reach the loop.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_TRUE(stopRuntime(result.runtime, std::chrono::seconds(5)));
    EXPECT_FALSE(runtimeRunning(result.runtime));
    const std::string errors = read(dir / "work/orberr.tmp");
    EXPECT_NE(errors.find(".88Program closed|Line 2"), std::string::npos) << errors;
}

TEST_F(BuildCommand, UnwritableWorkFolderCannotCreateTheImage) {
    BuildRequest request;
    request.lines = {"x = 1"};
    request.workFolder = dir / "missing";
    BuildResult result = build(request);
    EXPECT_FALSE(result.compiled);
    EXPECT_EQ(result.messageBox, "Cannot create temp file");
}

TEST_F(BuildCommand, UnknownArgumentsPrintUsage) {
    CommandRun r = run("--frobnicate prog.orb");
    EXPECT_EQ(r.status, 64);
    EXPECT_NE(r.err.find("usage"), std::string::npos);
}

}  // namespace
