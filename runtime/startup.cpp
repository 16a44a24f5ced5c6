#include "startup.h"

#include "device.h"
#include "eval.h"
#include "headless_host.h"
#include "pump.h"
#include "report.h"
#include "run_modules.h"
#include "sdl_sound_backend.h"
#include "stop_signals.h"
#include "window_host.h"
#include "work_protocol.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <utility>

namespace {

constexpr int32_t minimumWidth = 96, minimumHeight = 54;

// The exit status of a run whose end could not be written to the error file.
constexpr int exitEndLost = 1;

std::string pathInFolder(const RuntimeOptions& options, std::string_view file) {
    return (options.folder.empty() ? options.programFolder : options.folder + "/") + std::string(file);
}

}  // namespace

void settleScreen(Interp& in) {
    const TrailerSettings& t = in.image.trailer;
    int32_t width = std::max(t.width, minimumWidth), height = std::max(t.height, minimumHeight);
    if (t.orientation == 1) std::swap(width, height);
    in.screenWidth = width;
    in.screenHeight = height;
}

void runLoadedProgram(Interp& in, size_t stackBudget) {
    in.dataPointer = in.image.dataPointer;
    in.stackBase = static_cast<const char*>(__builtin_frame_address(0));
    in.stackBudget = stackBudget;
    // An allocation no statement bounds ends the run with the error file
    // written instead of an abort that leaves nothing.
    try {
        runMainProgram(in);
    } catch (const std::bad_alloc&) {
        report(in, RunError::OutOfMemory);
    }
}

namespace {

// Start-up steps from the loaded image on, the run and shutdown. `window` is
// the phone window's host, or null when running headless.
int runWithHost(Host& host, HeadlessHost* headless, WindowHost* window, const RuntimeOptions& options) {
    Interp in(host);
    in.errorFilePath = pathInFolder(options, errorFileName);
    in.screenshotPath = pathInFolder(options, screenshotFileName);
    in.maxSteps = options.maxSteps;
    // A file left by the compile or an earlier run must never pass for this run's end.
    std::remove(in.errorFilePath.c_str());
    // From here a stop signal ends the run through its shutdown instead of killing the process.
    installStopSignalHandlers();

    if (auto fault = loadImage(pathInFolder(options, programImageFileName), in.image)) {
        reportStartupFailure(in, *fault);
        return -1;
    }
    settleScreen(in);

    SystemClock clock;
    SdlSoundBackend soundDevice;
    RunModules modules(in, clock, soundDevice);
    if (window) {
        if (auto fault = window->openPhone(modules.emulator)) {
            reportStartupFailure(in, *fault);
            return -1;
        }
    } else {
        irr::IrrlichtDevice* device = createHeadlessDevice(in.screenWidth, in.screenHeight);
        if (!device) {
            reportStartupFailure(in, RunError::CannotCreateGfxWindow);
            return -1;
        }
        modules.keepDevice(device);
        if (!loadSystemFont(*device, options.programFolder + "mobilefont.png")) {
            reportStartupFailure(in, RunError::FailedToLoadSystemFont);
            return -1;
        }
    }

    if (auto fault = modules.startPhone(options.programFolder, options.inputScript)) {
        reportStartupFailure(in, *fault);
        return -1;
    }
    if (headless) headless->shownFrame = &modules.emulator.frames.lastFrame();
    if (window) window->show();

    if (!modules.startModules()) host.messageBox(cannotActivateSoundMessage, "Error", false);
    installStopSignalHandlers();  // again: the sound library is told to leave them alone, but may not
    if (window) window->drawFirstFrame();

    // A long wait looks at the window (and the signals) between its slices.
    clock.shouldEnd = [&in] {
        pumpAfterWait(in);
        return in.stop;
    };
    runLoadedProgram(in, options.stackBudget);
    clock.shouldEnd = nullptr;

    if (!options.snapshot.empty()) {
        if (window)
            window->writeSnapshot(options.snapshot);
        else
            writeSnapshot(modules.emulator, options.snapshot);
    }
    // However the run ended, the open archive is written back first, so that
    // a failure to save it can still be the run's report.
    if (ArchiveResult failed = closeArchiveAtEnd(modules.archives)) reportAtEnd(in, *failed);
    if (in.noError) setNormalEndLine(in);
    return writeRunEnd(in) ? 0 : exitEndLost;  // the modules are released after the error file
}

}  // namespace

int runRuntime(const RuntimeOptions& options) {
    if (options.windowed) {
        WindowHost host(options.programFolder, !options.inputScript.empty());
        return runWithHost(host, nullptr, &host, options);
    }
    HeadlessHost host;
    return runWithHost(host, &host, nullptr, options);
}
