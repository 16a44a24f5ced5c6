// Two builds on one work folder, and signals to a waiting --run. The runtime
// here is a stand-in that ends on a stop signal; the real runtime's own
// handling of signals is tested with the runtime.
#include "build_fixture.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// A run that goes on until it is stopped.
constexpr const char* endlessProgram = "Do\nPause 20\nLoop\n";

// A runtime that runs until a stop signal, then ends as a closed run does and
// says which signal it got: the build's side is tested apart from the runtime's.
constexpr const char* standInRuntime = R"(#!/bin/sh
stop() { echo "$1" > "$WORK/signal.txt"; printf '0.88Program closed|Line 0\r\n' > "$WORK/orberr.tmp"; exit 0; }
WORK=$1
trap 'stop TERM' TERM
trap 'stop INT' INT
trap 'stop HUP' HUP
: > "$WORK/ready.txt"
while :; do sleep 0.02; done
)";

// A program folder with orbbasic and the stand-in runtime in it; orbbasic
// takes its runtime from its own folder.
fs::path programFolderWithStandIn(const fs::path& dir) {
    fs::path folder = dir / "program";
    fs::create_directories(folder);
    fs::copy_file(fs::path(ORB_PROGRAM_FOLDER) / "orbbasic", folder / "orbbasic");
    std::ofstream(folder / "orbrt") << standInRuntime;
    fs::permissions(folder / "orbrt", fs::perms::owner_all);
    return folder;
}

// Starts orbbasic --run in the background; its pid.
pid_t startRun(const fs::path& dir, const std::string& source, const fs::path& programFolder) {
    pid_t child = fork();
    if (child == 0) {
        if (chdir(dir.c_str()) != 0) _exit(126);
        int out = ::open("first.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(out, 2);
        std::string program = (programFolder / "orbbasic").string();
        execl(program.c_str(), program.c_str(), "--work", "work", "--run", source.c_str(), nullptr);
        _exit(127);
    }
    return child;
}

// The pid of orbbasic's runtime child, once it runs and handles its signals;
// 0 when none came within the wait.
pid_t runtimeOf(pid_t parent, const fs::path& dir, std::chrono::milliseconds wait) {
    auto giveUp = std::chrono::steady_clock::now() + wait;
    while (std::chrono::steady_clock::now() < giveUp) {
        if (!fs::exists(dir / "work/ready.txt")) {
            std::this_thread::sleep_for(20ms);
            continue;
        }
        std::ifstream children("/proc/" + std::to_string(parent) + "/task/" + std::to_string(parent) + "/children");
        pid_t pid = 0;
        if (children >> pid && pid > 0) {
            std::ifstream name("/proc/" + std::to_string(pid) + "/comm");
            std::string comm;
            if (name >> comm && comm == "orbrt") return pid;
        }
        std::this_thread::sleep_for(20ms);
    }
    return 0;
}

// Waits for a child; its wait status, or -1 when it did not end in time (it is then killed).
int waitEnded(pid_t child, std::chrono::milliseconds wait) {
    auto giveUp = std::chrono::steady_clock::now() + wait;
    int status = 0;
    while (std::chrono::steady_clock::now() < giveUp) {
        if (waitpid(child, &status, WNOHANG) == child) return status;
        std::this_thread::sleep_for(20ms);
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return -1;
}

bool processExists(pid_t pid) {
    // A zombie of an orbrt that ended is no longer running.
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string pidText, comm, state;
    return stat >> pidText >> comm >> state && state != "Z";
}

}  // namespace

TEST_F(HostileBuild, ASecondBuildOnABusyWorkFolderFailsWithWorkFolderInUse) {
    write("first.orb", endlessProgram);
    write("second.orb", "Print 2\n");
    pid_t first = startRun(dir, "first.orb", programFolderWithStandIn(dir));
    pid_t runtime = runtimeOf(first, dir, 20s);
    ASSERT_NE(runtime, 0) << read(dir / "first.txt");
    std::string firstImage = read(dir / "work/orb16.tmp");

    auto started = std::chrono::steady_clock::now();
    CommandRun second = run("--run second.orb");
    auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.err.find("Work folder in use by another build"), std::string::npos) << second.err;
    EXPECT_GE(waited, 4s);   // it waited a few seconds for the first build to end
    EXPECT_EQ(read(dir / "work/orb16.tmp"), firstImage);

    kill(first, SIGTERM);
    EXPECT_NE(waitEnded(first, 20s), -1);
    // Once the first build has ended, the folder is free again.
    EXPECT_EQ(run("--test second.orb").status, 0);
}

class StopSignal : public HostileBuild, public testing::WithParamInterface<int> {};

TEST_P(StopSignal, IsPassedOnToTheRuntimeAndTheRunIsWaitedFor) {
    write("endless.orb", endlessProgram);
    pid_t build = startRun(dir, "endless.orb", programFolderWithStandIn(dir));
    pid_t runtime = runtimeOf(build, dir, 20s);
    ASSERT_NE(runtime, 0) << read(dir / "first.txt");
    kill(build, GetParam());
    int status = waitEnded(build, 20s);
    ASSERT_NE(status, -1) << "orbbasic did not end after the signal";
    EXPECT_TRUE(WIFEXITED(status)) << "orbbasic was ended by the signal instead of passing it on";
    EXPECT_EQ(WEXITSTATUS(status), 128 + GetParam());
    EXPECT_FALSE(processExists(runtime)) << "orbrt was left running";
    std::string name = GetParam() == SIGTERM ? "TERM" : GetParam() == SIGINT ? "INT" : "HUP";
    EXPECT_EQ(read(dir / "work/signal.txt"), name + "\n");
    EXPECT_EQ(read(dir / "first.txt"), "0.88Program closed|Line 0\n");
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignal, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(info.param == SIGTERM ? "Term" : info.param == SIGINT ? "Int" : "Hup");
                         });
