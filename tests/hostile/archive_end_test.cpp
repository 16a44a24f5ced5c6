// An open archive is written back however a run ends: End, a run-time error,
// the close box, the step limit, running off its end, and the stop signals.
#include "hostile_run.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <thread>

namespace {

// The program runs in "game" (where its archive goes); orbrt is given "work".
struct Ending : testing::Test {
    fs::path folder = freshFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
    RunOptions options{folder / "work", folder / "game", {}};

    void SetUp() override {
        fs::create_directories(options.work);
        fs::create_directories(options.current);
    }
    fs::path archive(const std::string& name) { return options.current / (name + ".rs"); }
    std::string endLine() { return firstLine(options.work / "orberr.tmp"); }
};

TEST_F(Ending, EndWritesTheOpenArchiveBack) {
    ASSERT_TRUE(compileInto(options.work, "OpenArchive \"a\", 1\nAddEntry \"x\"\nAddEntry \"y\"\nEnd\n"));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "4.110End of program|Line 4: [360-640]");
    EXPECT_EQ(readWholeFile(archive("a").string()), "2:y\n1:x\n");
}

TEST_F(Ending, AnErrorWritesTheOpenArchiveBack) {
    ASSERT_TRUE(compileInto(options.work, "OpenArchive \"a\", 1\nAddEntry \"q\"\nOpenArchive \"b\", 1\n"));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "3.107Archive is Open|Line 3: [360-640]");
    EXPECT_EQ(readWholeFile(archive("a").string()), "1:q\n");
    EXPECT_FALSE(fs::exists(archive("b")));
}

TEST_F(Ending, RunningOffTheEndWritesTheOpenArchiveBack) {
    ASSERT_TRUE(compileInto(options.work, "OpenArchive \"a\", 1\nAddEntry \"x\"\n"));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "2.110End of program|Line 2: [360-640]");  // the compiled program ends with End
    EXPECT_EQ(readWholeFile(archive("a").string()), "1:x\n");
}

TEST_F(Ending, TheStepLimitWritesTheOpenArchiveBack) {
    ASSERT_TRUE(compileInto(options.work, "OpenArchive \"a\", 1\nAddEntry \"x\"\nDo : Loop\n"));
    options.environment = {"ORBRT_MAX_STEPS=1000"};
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "3.88Program closed|Line 3: [360-640]");
    EXPECT_EQ(readWholeFile(archive("a").string()), "1:x\n");
}

TEST_F(Ending, TheCloseBoxWritesTheOpenArchiveBack) {
    ASSERT_TRUE(compileInto(options.work, "OpenArchive \"a\", 1\nAddEntry \"x\"\nDo : Loop\n"));
    writeWholeFile((folder / "close.txt").string(), "500 close\n");
    options.environment = {"ORBRT_INPUT=" + (folder / "close.txt").string()};
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "3.88Program closed|Line 3: [360-640]");
    EXPECT_EQ(readWholeFile(archive("a").string()), "1:x\n");
}

// A lost archive is no normal end: its report replaces End's or a close's.
TEST_F(Ending, AFailedWriteBackReplacesANormalEnd) {
    ASSERT_TRUE(compileInto(options.work, "OpenArchive \"a\", 1\nAddEntry \"x\"\nEnd\n"));
    // A folder in the archive's place: the rename over it fails.
    fs::create_directories(archive("a"));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "3.101Cannot save archive|Line 3: [360-640]");
    EXPECT_EQ(std::distance(fs::directory_iterator(options.current), {}), 1);  // no temporary left
}

TEST_F(Ending, AFailedWriteBackAfterAnErrorIsSaidOnStandardError) {
    ASSERT_TRUE(compileInto(options.work, "OpenArchive \"a\", 1\nAddEntry \"x\"\nb = 0\nPrint 1 / b\n"));
    fs::create_directories(archive("a"));
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(endLine(), "4.96Divide by zero|Line 4: [360-640]");
    EXPECT_NE(runErrors(options).find("Cannot save archive"), std::string::npos) << runErrors(options);
}

// SIGTERM, SIGINT and SIGHUP end a run as the close box does, also with a sound
// device open (SDL's dummy driver) and in the middle of a long Pause.
class StopSignal : public Ending, public testing::WithParamInterface<int> {};

// The program saves the archive "ready" before it starts to wait, so that the
// signal comes when the run is surely in the wait, however slow its start.
const char* const saveReady = "OpenArchive \"ready\", 1\nAddEntry \"1\"\nCloseArchive\n";

void waitUntilReady(const fs::path& folder) {
    for (int i = 0; i < 1000 && !fs::exists(folder / "ready.rs"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // well into the wait
}

TEST_P(StopSignal, EndsTheRunAsTheCloseBoxDoes) {
    ASSERT_TRUE(compileInto(options.work,
                            std::string(saveReady) + "OpenArchive \"a\", 1\nAddEntry \"x\"\nPause 600000\n"));
    const pid_t pid = startRun(options);
    waitUntilReady(options.current);
    const auto sent = std::chrono::steady_clock::now();
    kill(pid, GetParam());
    EXPECT_EQ(waitRun(pid), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - sent, std::chrono::seconds(5));
    EXPECT_EQ(endLine(), "6.88Program closed|Line 6: [360-640]");
    EXPECT_EQ(readWholeFile(archive("a").string()), "1:x\n");
}

TEST_P(StopSignal, EndsALongBeep) {
    ASSERT_TRUE(compileInto(options.work, std::string(saveReady) + "Beep 60, 600000\n"));
    const pid_t pid = startRun(options);
    waitUntilReady(options.current);
    kill(pid, GetParam());
    EXPECT_EQ(waitRun(pid, 5000), 0);
    EXPECT_EQ(endLine(), "4.88Program closed|Line 4: [360-640]");
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignal, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) { return std::string(sigabbrev_np(info.param)); });

}  // namespace
