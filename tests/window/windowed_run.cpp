#include "windowed_run.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

using namespace std::chrono_literals;

std::string commandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe)) out += buffer.data();
    pclose(pipe);
    return out;
}

}  // namespace

fs::path workFolderWith(const fs::path& image, const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / ("orbrt-window-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(image, folder / "orb16.tmp");
    return folder;
}

fs::path compiledProgram(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / ("orbrt-window-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string compile = std::string(ORBBASIC_PATH) + " --work " + folder.string() + " --test " +
                                WINDOW_TESTS_DIR "/" + name + ".orb >/dev/null";
    if (std::system(compile.c_str()) != 0) return {};
    return folder;
}

pid_t startWindowed(const fs::path& folder, const std::vector<std::string>& environment, const fs::path& current) {
    const std::string errors = (folder / "stderr.txt").string();
    const pid_t pid = fork();
    if (pid == 0) {
        unsetenv("ORBRT_HEADLESS");
        // No sound card on a test machine: SDL's silent driver keeps "Cannot activate sound" away.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("LSAN_OPTIONS", "suppressions=" WINDOW_TESTS_DIR "/lsan.supp", 1);
        for (const std::string& assignment : environment) putenv(const_cast<char*>(assignment.c_str()));
        const int errorFile = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(errorFile, STDERR_FILENO);
        if (!current.empty() && chdir(current.c_str()) != 0) _exit(126);
        execl(ORBRT_PATH, "orbrt", folder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

std::string mainWindow(pid_t pid, int attempts) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(50ms);
        std::istringstream ids(commandOutput("xdotool search --onlyvisible --pid " + std::to_string(pid) +
                                                  " --name '^ORBBasic Program$' 2>/dev/null"));
        std::string id;
        if (ids >> id) return id;
    }
    return "";
}

// Bounded: xdotool's --sync waits can otherwise wait for ever on a window that went away.
bool xdotool(const std::string& arguments) {
    return std::system(("timeout 5 xdotool " + arguments).c_str()) == 0;
}

int finishRun(pid_t pid, const fs::path& folder) {
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    auto nextKey = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (fs::exists(folder / "orbdump.bmp") && std::chrono::steady_clock::now() >= nextKey) {
            const std::string window = mainWindow(pid, 1);
            if (!window.empty()) xdotool("windowfocus " + window + " sleep 0.1 key space");
            nextKey = std::chrono::steady_clock::now() + 500ms;
        }
        std::this_thread::sleep_for(20ms);
    }
    endRun(pid);
    return -1;
}

void endRun(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}
