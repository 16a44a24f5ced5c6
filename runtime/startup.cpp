#include "startup.h"

#include "device.h"
#include "eval.h"
#include "headless_host.h"
#include "modules.h"
#include "phone/emulator.h"
#include "report.h"
#include "sdl_sound_backend.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int32_t minimumWidth = 96, minimumHeight = 54;

std::string pathInFolder(const RuntimeOptions& options, const char* file) {
    return options.folder.empty() ? options.programFolder + file : options.folder + "/" + file;
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
    runMainProgram(in);
}

int runRuntime(const RuntimeOptions& options) {
    HeadlessHost host;
    Interp in(host);
    in.errorFilePath = pathInFolder(options, "orberr.tmp");
    in.screenshotPath = pathInFolder(options, "orbdump.bmp");
    in.maxSteps = options.maxSteps;

    if (auto fault = loadImage(pathInFolder(options, "orb16.tmp"), in.image)) {
        reportStartupFailure(in, *fault);
        return -1;
    }
    settleScreen(in);

    irr::IrrlichtDevice* device = createHeadlessDevice(in.screenWidth, in.screenHeight);
    if (!device) {
        reportStartupFailure(in, RunError::CannotCreateGfxWindow);
        return -1;
    }
    if (!loadSystemFont(*device, options.programFolder + "mobilefont.png")) {
        reportStartupFailure(in, RunError::FailedToLoadSystemFont);
        releaseDevice(device);
        return -1;
    }

    Emulator emulator;
    const TrailerSettings& t = in.image.trailer;
    EmulatorSettings settings{in.screenWidth, in.screenHeight, t.orientation, t.touchScreen != 0 && t.joypadUsed != 0,
                              options.programFolder, options.inputScript};
    if (auto fault = startEmulator(emulator, settings)) {
        reportStartupFailure(in, *fault);
        releaseDevice(device);
        return -1;
    }
    host.shownFrame = &emulator.frames.lastFrame();

    SdlSoundBackend soundDevice;
    Sound sound(soundDevice);
    Modules modules{sound, emulator};
    in.modules = &modules;
    resetMusicSlots(sound);
    if (!startSound(sound)) host.messageBox(cannotActivateSoundMessage, "Error", false);

    runLoadedProgram(in, options.stackBudget);

    if (!options.snapshot.empty()) writeSnapshot(emulator, options.snapshot);
    if (in.noError) setNormalEndLine(in);
    writeErrorFile(in);
    releaseSound(sound);
    releaseDevice(device);
    return 0;
}
