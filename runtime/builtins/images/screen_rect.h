// Rectangles in screen coordinates, as the clip rectangles of sprites, the map
// and drawing are given.
#pragma once

#include <algorithm>
#include <cstdint>

struct ScreenRect {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Orders the corners per axis and limits the far corner to the screen, as
// SpriteClip and MapClip both do.
inline ScreenRect orderedClip(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t screenWidth, int32_t screenHeight) {
    return {std::min(x1, x2), std::min(y1, y2), std::min(std::max(x1, x2), screenWidth), std::min(std::max(y1, y2), screenHeight)};
}

// What sprites and tiles are clipped to: their own rectangle when it is on,
// else the drawing clip rectangle when clipping is on, else the whole screen;
// shifted right by the joypad margin.
struct ScreenClip {
    int32_t screenWidth = 0, screenHeight = 0;
    bool drawingClipOn = false;
    ScreenRect drawingClip;
};

inline ScreenRect layerClip(bool ownOn, const ScreenRect& own, const ScreenClip& screen, int32_t margin) {
    ScreenRect r = ownOn ? own : screen.drawingClipOn ? screen.drawingClip : ScreenRect{0, 0, screen.screenWidth, screen.screenHeight};
    r.x1 += margin;
    r.x2 += margin;
    return r;
}
