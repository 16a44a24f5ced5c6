// The phone window's costs, measured with `orbrt` itself: a CPU-bound loop
// in the window against the same loop headless (the event pump must stay
// cheap), and Update of a 360 x 640 screen in the window in frames per
// second. Run it on a display, e.g. tests/screen/with_xvfb.sh window_bench.
#include "work_protocol.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Compiles the program into its own work folder.
fs::path compiled(const char* name) {
    const fs::path folder = fs::temp_directory_path() / (std::string("orbrt-bench-") + name + "-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string command = std::string(ORBBASIC_PATH) + " --work " + folder.string() + " --test " +
                                BENCH_DIR "/" + name + ".orb >/dev/null";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "cannot compile %s\n", name);
    return folder;
}

// Seconds from starting `orbrt` on the folder until its program has ended:
// the End that closes every program writes the screenshot. The window then
// waits for a key, which the bench gives it.
double secondsOfRun(const fs::path& folder, bool windowed) {
    const fs::path screenshot = folder / screenshotFileName;
    fs::remove(screenshot);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (windowed)
            unsetenv("ORBRT_HEADLESS");
        else
            setenv("ORBRT_HEADLESS", "1", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        freopen("/dev/null", "w", stderr);
        execl(ORBRT_PATH, "orbrt", folder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    while (!fs::exists(screenshot) && waitpid(pid, nullptr, WNOHANG) == 0)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (windowed) {
        const std::string key = "xdotool search --sync --onlyvisible --pid " + std::to_string(pid) +
                                " --name '^ORBBasic Program$' windowfocus --sync key space >/dev/null 2>&1";
        if (std::system(key.c_str()) != 0) kill(pid, SIGKILL);
    }
    waitpid(pid, nullptr, 0);
    return seconds;
}

double bestOf(int runs, const fs::path& folder, bool windowed) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) best = std::min(best, secondsOfRun(folder, windowed));
    return best;
}

}  // namespace

int main() {
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "window_bench needs a display (run it under tests/screen/with_xvfb.sh)\n");
        return 1;
    }
    // Start-up (window, device, sound) is in both figures; the empty program measures it.
    const fs::path empty = compiled("empty");
    const fs::path cpu = compiled("cpu_loop");
    const fs::path frames = compiled("update_loop");
    const double startHeadless = bestOf(3, empty, false), startWindowed = bestOf(3, empty, true);
    const double cpuHeadless = bestOf(3, cpu, false) - startHeadless;
    const double cpuWindowed = bestOf(3, cpu, true) - startWindowed;
    std::printf("start-up: headless %.3f s, window %.3f s\n", startHeadless, startWindowed);
    std::printf("CPU loop (10,000,000 iterations): headless %.3f s, window %.3f s, window speed %.1f%% of headless\n",
                cpuHeadless, cpuWindowed, 100.0 * cpuHeadless / cpuWindowed);
    const double updates = bestOf(3, frames, true) - startWindowed;
    std::printf("Update 360 x 640 in the window (Burning's Video): %.0f frames per second\n", 3000.0 / updates);
    for (const fs::path& folder : {empty, cpu, frames}) fs::remove_all(folder);
    return 0;
}
