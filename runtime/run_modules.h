// The modules of one run of a program image (the phone, sound, archives, tile
// map and images) and the interpreter's way to them: built together, started
// in the order the run needs them, and released together however the run
// ends. Start-up and the fuzz harness build them alike.
#pragma once

#include "engine_picture_files.h"
#include "interp.h"
#include "modules.h"

#include <optional>
#include <string>

namespace irr {
class IrrlichtDevice;
}

class RunModules {
public:
    // The phone's screen has the settled size of `in` from the start, so
    // that a window can open on it; nothing is started yet.
    RunModules(Interp& in, Clock& clock, SoundBackend& soundDevice);
    // Releases the sound, then the graphics device, and takes the modules
    // from the interpreter.
    ~RunModules();
    RunModules(const RunModules&) = delete;
    RunModules& operator=(const RunModules&) = delete;

    // Keeps the headless graphics device (the system font's) until the end.
    void keepDevice(irr::IrrlichtDevice* device);
    // The phone: its screen, font, joypad images and input script, then the
    // first frame. Errors are the start-up failures.
    std::optional<RunError> startPhone(const std::string& programFolder, const std::string& inputScript);
    // Draws the tile map and the sprites into the phone's frames, gives the
    // interpreter the modules and opens the sound device: false when there
    // is none (the program then runs on silently).
    bool startModules();

    Emulator emulator;
    Sound sound;
    Archives archives;
    TileMap map;
    EnginePictureFiles pictureFiles;
    Images images;
    Modules modules;

private:
    Interp& in;
    irr::IrrlichtDevice* device = nullptr;
};
