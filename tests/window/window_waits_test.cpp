// Long waits under the window: the close box and the stop signals end a long
// Pause at once (the open archive is written back), and a scripted run whose
// sound cannot start goes on without a box that nobody would press.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <sys/wait.h>
#include <thread>

#include "test_files.h"
#include "windowed_run.h"

namespace {

using namespace std::chrono_literals;

std::string firstLine(const fs::path& errorFile) {
    const std::string text = readWholeFile(errorFile);
    return text.substr(0, text.find("\r\n"));
}

TEST(WindowWaits, TheCloseBoxEndsALongPauseAndTheArchiveIsSaved) {
    const fs::path folder = compiledProgram("window_pause");
    ASSERT_FALSE(folder.empty());
    const pid_t pid = startWindowed(folder, {}, folder);
    const std::string window = mainWindow(pid, 400);  // a loaded machine can take seconds
    if (window.empty()) {
        endRun(pid);
        FAIL() << "the phone window did not come up";
    }
    std::this_thread::sleep_for(800ms);  // into the Pause
    const auto closed = std::chrono::steady_clock::now();
    EXPECT_EQ(std::system((std::string(CLOSE_WINDOW_PATH) + " " + window).c_str()), 0);
    EXPECT_EQ(finishRun(pid, folder), 0);
    // The Pause had ten minutes to go; the error screen then waits for a key.
    EXPECT_LT(std::chrono::steady_clock::now() - closed, 25s);
    EXPECT_EQ(firstLine(folder / "orberr.tmp"), "3.88Program closed|Line 3: [360-640]");
    EXPECT_EQ(readWholeFile(folder / "w.rs"), "1:x\n");
    fs::remove_all(folder);
}

TEST(WindowWaits, SigtermEndsAWindowedRunWithoutWaitingForAKey) {
    const fs::path folder = compiledProgram("window_pause");
    ASSERT_FALSE(folder.empty());
    const pid_t pid = startWindowed(folder, {}, folder);
    if (mainWindow(pid, 400).empty()) {
        endRun(pid);
        FAIL() << "the phone window did not come up";
    }
    std::this_thread::sleep_for(800ms);
    kill(pid, SIGTERM);
    int status = -1;
    for (int i = 0; i < 100 && waitpid(pid, &status, WNOHANG) != pid; ++i) std::this_thread::sleep_for(20ms);
    if (!WIFEXITED(status)) endRun(pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(firstLine(folder / "orberr.tmp"), "3.88Program closed|Line 3: [360-640]");
    EXPECT_EQ(readWholeFile(folder / "w.rs"), "1:x\n");
    fs::remove_all(folder);
}

TEST(WindowWaits, AScriptedRunWithoutSoundSaysSoOnStandardErrorAndGoesOn) {
    const fs::path folder = compiledProgram("window_quick");
    ASSERT_FALSE(folder.empty());
    {
        std::ofstream(folder / "input.txt") << "# no events\n";
    }
    const pid_t pid = startWindowed(
        folder, {"SDL_AUDIODRIVER=no-such-driver", "ORBRT_INPUT=" + (folder / "input.txt").string()}, folder);
    EXPECT_EQ(finishRun(pid, folder), 0);
    EXPECT_EQ(firstLine(folder / "orberr.tmp"), "1.110End of program|Line 1: [360-640]");
    EXPECT_NE(readWholeFile(folder / "stderr.txt").find("Cannot activate sound"), std::string::npos);
    fs::remove_all(folder);
}

}  // namespace
