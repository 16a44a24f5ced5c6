// Update: composing a frame from the buffer and the layers over it, presenting
// it, and pacing the program to its target rate; also Fps, SetSpeed, SetInterval
// and ScreenOffset.
#pragma once

#include <functional>
#include <optional>

#include "errors.h"
#include "screen/clock.h"
#include "screen/presenter.h"
#include "screen/screen.h"

// Draws what lies over the buffer: the tile map, the sprites, then the joypad overlay.
using FrameLayers = std::function<void(Presenter&)>;

// The redraw the window does on its own (activation, rotation): one frame, no pacing.
// joypadMargin shifts the screen image right to make room for a landscape joypad.
std::optional<RunError> composeFrame(Screen& s, Presenter& p, int joypadMargin, const FrameLayers& layers);

// Update: composeFrame, then the frame interval, then waiting out 1 / target rate.
std::optional<RunError> update(Screen& s, Presenter& p, Clock& clock, int joypadMargin,
                               const FrameLayers& layers);

// Fps: frames per second, measured again when more than a second has passed.
float fps(Screen& s, Clock& clock);

std::optional<RunError> setSpeed(Screen& s, int framesPerSecond);
inline void setInterval(Screen& s, int ms) { s.pacing.intervalMs = ms; }

inline void screenOffset(Screen& s, int x, int y) {
    s.offsetX = x;
    s.offsetY = y;
}
