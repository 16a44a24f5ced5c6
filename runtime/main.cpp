// orbrt: runs the program image in the folder named on the command line.
#include "orb_version.h"
#include "startup.h"
#include "work_protocol.h"

#include <sys/resource.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

namespace {

// The folder of the running executable, with its trailing "/".
std::string programFolder() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "./";
    const std::string exe(path, static_cast<size_t>(n));
    return exe.substr(0, exe.find_last_of('/') + 1);
}

// Deep recursion in a program needs native stack: raise the limit, and leave
// a margin below it for the built-ins that run at the deepest point.
size_t interpreterStackBudget() {
    constexpr rlim_t wanted = 64 * 1024 * 1024, margin = 1024 * 1024;
    rlimit limit{};
    if (getrlimit(RLIMIT_STACK, &limit) != 0) return 8 * 1024 * 1024 - margin;
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < wanted) {
        const rlim_t raised = limit.rlim_max == RLIM_INFINITY ? wanted : std::min(wanted, limit.rlim_max);
        rlimit newLimit{raised, limit.rlim_max};
        if (setrlimit(RLIMIT_STACK, &newLimit) == 0) limit.rlim_cur = raised;
    }
    const rlim_t usable = limit.rlim_cur == RLIM_INFINITY ? wanted : std::min(limit.rlim_cur, wanted);
    return static_cast<size_t>(usable - margin);
}

uint64_t stepLimit() {
    const char* text = std::getenv("ORBRT_MAX_STEPS");
    return text ? std::strtoull(text, nullptr, 10) : 0;
}

// The phone window needs a display and is not wanted when ORBRT_HEADLESS=1.
bool windowWanted() {
    const char* headless = std::getenv("ORBRT_HEADLESS");
    if (headless && std::string(headless) == "1") return false;
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

// The command line is a folder, so an option is one only when it is the whole
// command line and no folder of that name exists.
bool isOption(int argc, char** argv, std::string_view option) {
    std::error_code ec;
    return argc == 2 && argv[1] == option && !std::filesystem::is_directory(argv[1], ec);
}

int help() {
    std::cout << "usage: orbrt [FOLDER]     run the program image FOLDER/" << programImageFileName
              << " in the phone emulator\n"
                 "       orbrt --help | --version\n"
                 "\n"
                 "The whole command line is the folder (blanks need no quotes); without one the\n"
                 "program folder is used. The run's end is written to FOLDER/"
              << errorFileName
              << ".\n"
                 "\n"
                 "Environment: ORBRT_HEADLESS=1 runs without a window, ORBRT_MAX_STEPS=N stops\n"
                 "after N statements, ORBRT_INPUT=FILE plays scripted input, ORBRT_SNAPSHOT=FILE.png\n"
                 "saves the last frame, SDL_AUDIODRIVER chooses the sound output. See orbrt(1).\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (isOption(argc, argv, "--help")) return help();
    if (isOption(argc, argv, "--version")) {
        std::cout << "orbrt (OrbBasic) " << orbVersion << '\n';
        return 0;
    }
    RuntimeOptions options;
    // The whole command line is the folder, so a path with blanks needs no quotes.
    for (int i = 1; i < argc; ++i) {
        if (i > 1) options.folder += ' ';
        options.folder += argv[i];
    }
    options.programFolder = programFolder();
    options.maxSteps = stepLimit();
    if (const char* script = std::getenv("ORBRT_INPUT")) options.inputScript = script;
    if (const char* snapshot = std::getenv("ORBRT_SNAPSHOT")) options.snapshot = snapshot;
    options.stackBudget = interpreterStackBudget();
    options.windowed = windowWanted();
    // The drawing device renders into an X window, so Qt must use X too (XWayland on Wayland).
    if (options.windowed) setenv("QT_QPA_PLATFORM", "xcb", 0);
    return runRuntime(options);
}
