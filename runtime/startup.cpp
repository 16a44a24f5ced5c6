#include "startup.h"

#include "device.h"
#include "eval.h"
#include "headless_host.h"
#include "engine_picture_files.h"
#include "modules.h"
#include "phone/emulator.h"
#include "pump.h"
#include "report.h"
#include "sdl_sound_backend.h"
#include "stop_signals.h"
#include "waits.h"
#include "world_layers.h"
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

    Emulator emulator;
    const TrailerSettings& t = in.image.trailer;
    emulator.screen.width = in.screenWidth;
    emulator.screen.height = in.screenHeight;
    emulator.phone.orientation = t.orientation;
    irr::IrrlichtDevice* device = nullptr;
    if (window) {
        if (auto fault = window->openPhone(emulator)) {
            reportStartupFailure(in, *fault);
            return -1;
        }
    } else {
        device = createHeadlessDevice(in.screenWidth, in.screenHeight);
        if (!device) {
            reportStartupFailure(in, RunError::CannotCreateGfxWindow);
            return -1;
        }
        if (!loadSystemFont(*device, options.programFolder + "mobilefont.png")) {
            reportStartupFailure(in, RunError::FailedToLoadSystemFont);
            releaseDevice(device);
            return -1;
        }
    }

    EmulatorSettings settings{in.screenWidth, in.screenHeight, t.orientation, t.touchScreen != 0 && t.joypadUsed != 0,
                              options.programFolder, options.inputScript};
    if (auto fault = startEmulator(emulator, settings)) {
        reportStartupFailure(in, *fault);
        releaseDevice(device);
        return -1;
    }
    if (headless) headless->shownFrame = &emulator.frames.lastFrame();
    if (window) window->show();

    SdlSoundBackend soundDevice;
    Sound sound(soundDevice);
    Archives archives;
    TileMap map;
    EnginePictureFiles pictureFiles;
    Images images(pictureFiles);
    Modules modules{sound, archives, map, images, emulator};
    emulator.drawWorld = [&](Presenter& p, int margin) { drawMapAndSprites(map, images, emulator.screen, p, margin); };
    in.modules = &modules;
    resetMusicSlots(sound);
    if (!startSound(sound)) host.messageBox(cannotActivateSoundMessage, "Error", false);
    installStopSignalHandlers();  // again: the sound library is told to leave them alone, but may not
    if (window) window->drawFirstFrame();

    // A long wait looks at the window (and the signals) between its slices.
    waitShouldEnd = [&in] {
        pumpAfterWait(in);
        return in.stop;
    };
    runLoadedProgram(in, options.stackBudget);
    waitShouldEnd = nullptr;

    if (!options.snapshot.empty()) {
        if (window)
            window->writeSnapshot(options.snapshot);
        else
            writeSnapshot(emulator, options.snapshot);
    }
    // However the run ended, the open archive is written back first, so that
    // a failure to save it can still be the run's report.
    if (ArchiveResult failed = closeArchiveAtEnd(archives)) reportAtEnd(in, *failed);
    if (in.noError) setNormalEndLine(in);
    const bool endWritten = writeRunEnd(in);
    releaseSound(sound);
    releaseDevice(device);
    return endWritten ? 0 : exitEndLost;
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
