#include "run_modules.h"

#include "device.h"
#include "world_layers.h"

RunModules::RunModules(Interp& in, Clock& clock, SoundBackend& soundDevice)
    : emulator(clock), sound(soundDevice, clock), images(pictureFiles),
      modules{sound, archives, map, images, emulator}, in(in) {
    emulator.screen.width = in.screenWidth;
    emulator.screen.height = in.screenHeight;
    emulator.phone.orientation = in.image.trailer.orientation;
}

RunModules::~RunModules() {
    in.modules = nullptr;
    releaseSound(sound);
    releaseDevice(device);
}

void RunModules::keepDevice(irr::IrrlichtDevice* d) { device = d; }

std::optional<RunError> RunModules::startPhone(const std::string& programFolder, const std::string& inputScript) {
    const TrailerSettings& t = in.image.trailer;
    const EmulatorSettings settings{in.screenWidth, in.screenHeight,    t.orientation,
                                    t.touchScreen != 0 && t.joypadUsed != 0, programFolder, inputScript};
    return startEmulator(emulator, settings);
}

bool RunModules::startModules() {
    emulator.drawWorld = [this](Presenter& p, int margin) {
        drawMapAndSprites(map, images, emulator.screen, p, margin);
    };
    in.modules = &modules;
    resetMusicSlots(sound);
    return startSound(sound);
}
