// The emulated phone as the built-ins and the event pump see it: its screen,
// its input state, what presents its frames and the device timer.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "errors.h"
#include "phone/input_script.h"
#include "phone/phone.h"
#include "screen/clock.h"
#include "screen/software_presenter.h"
#include "screen/update.h"

struct Emulator {
    explicit Emulator(Clock& clock) : clock(clock) {}
    Emulator(const Emulator&) = delete;  // the presenter may point into it
    Emulator& operator=(const Emulator&) = delete;

    Screen screen;
    Phone phone;
    Clock& clock;
    SoftwarePresenter frames{0, 0};  // the shown frame without a window
    Presenter* presenter = &frames;
    std::optional<InputScript> script;
    uint64_t updates = 0;  // frames shown by Update, for frame-keyed input scripts
    // The tile map and the sprites, drawn between the buffer and the joypad
    // overlay; set by start-up.
    std::function<void(Presenter&, int joypadMargin)> drawWorld;
};

struct EmulatorSettings {
    int width = 360;  // already settled: minimum size and landscape turn applied
    int height = 640;
    int orientation = 0;
    bool joypadImages = false;  // the program enables the touch screen and the joypad
    std::string programFolder;
    std::string inputScriptPath;  // ORBRT_INPUT, or empty
};

// Start-up: the screen buffer, the font, the joypad images and the input
// script; then the first frame. Errors are the start-up failures.
std::optional<RunError> startEmulator(Emulator& e, const EmulatorSettings& settings);

// What lies over the screen buffer in a frame.
FrameLayers frameLayers(Emulator& e);

// The window's own redraw, and Update. After its frame Update applies the
// input-script events keyed to it; a scripted close ends the run as the
// close box does ("Program closed").
std::optional<RunError> redrawScreen(Emulator& e);
std::optional<RunError> updateScreen(Emulator& e);

// Rot: the phone turns, the screen control with it.
void rotatePhone(Emulator& e);

// One pump step: tilt and vibration, then at most one due input-script event.
// Returns close when the script closes the window.
WindowAction pumpEmulator(Emulator& e, uint64_t steps);

// ORBRT_SNAPSHOT: the last shown frame as a PNG.
bool writeSnapshot(const Emulator& e, const std::string& path);
