// The screen buffer and the drawing state every primitive shares: colours,
// clip rectangle, screen offset, text cursor, the system font and frame pacing.
#pragma once

#include <cstdint>
#include <optional>

#include "errors.h"
#include "screen/argb_image.h"

inline constexpr uint32_t startInk = 16777215;  // white
inline constexpr uint32_t startPaper = 0;       // black

// Inclusive bounds; checked only while `on`.
struct ClipRect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool on = false;
};

struct Pacing {
    int targetRate = 16;     // frames per second Update waits for
    int intervalMs = 20;     // sleep after every presented frame
    uint32_t lastUpdateMs = 0;
    uint32_t fpsStartMs = 0;
    int frameCount = 0;
    float measuredRate = 0.0f;
};

struct Screen {
    int width = 360;   // the emulated phone screen
    int height = 640;
    int bufferX = 0;   // logical buffer size; coordinates 0..bufferX and 0..bufferY are drawable
    int bufferY = 0;
    ArgbImage buffer;     // the real (texture-sized) surface, always larger than the logical size
    bool bufferChanged = true;  // the presenter refreshes its texture only when set
    uint32_t ink = startInk;
    uint32_t paper = startPaper;
    ClipRect clip;
    int offsetX = 0;
    int offsetY = 0;
    int cursorX = 0;
    int cursorY = 0;
    bool bold = false;
    bool underline = false;
    ArgbImage font;
    Pacing pacing;
};

// Largest logical buffer side: every drawable coordinate must fit in a 2048 texture.
inline constexpr int maxBufferSide = 2047;

// The texture side that holds coordinates 0..logical: a power of two from 64 to 2048.
int textureSide(int logical);

// Start-up: screen size, the full-screen clip (off) and a buffer of the screen size.
std::optional<RunError> initScreen(Screen& s, int width, int height, uint32_t startMs);

// SetBufferSize: never smaller than the larger screen side in either direction;
// the new buffer is filled with paper, ignoring the clip.
std::optional<RunError> setBufferSize(Screen& s, int w, int h);

inline int largerScreenSide(const Screen& s) { return s.width > s.height ? s.width : s.height; }

inline bool insideBuffer(const Screen& s, int x, int y) {
    return x >= 0 && x <= s.bufferX && y >= 0 && y <= s.bufferY;
}

inline bool passesClip(const Screen& s, int x, int y) {
    const ClipRect& c = s.clip;
    return !c.on || (x >= c.x1 && x <= c.x2 && y >= c.y1 && y <= c.y2);
}

// The one pixel write the image and map drawers share: buffer bounds and clip rule.
inline void putPixel(Screen& s, int x, int y, uint32_t colour) {
    if (insideBuffer(s, x, y) && passesClip(s, x, y)) s.buffer.row(y)[x] = colour;
}

// Colour arguments of Ink and Paper: negative values become 0.
inline uint32_t colourArgument(int value) { return value < 0 ? 0u : static_cast<uint32_t>(value); }
