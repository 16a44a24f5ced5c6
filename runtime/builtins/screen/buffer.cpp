#include "screen/screen.h"

#include <algorithm>
#include <new>

int textureSide(int logical) {
    int side = 64;
    while (side <= logical && side < 2048) side *= 2;
    return side;
}

std::optional<RunError> initScreen(Screen& s, int width, int height, uint32_t startMs) {
    s.width = width;
    s.height = height;
    s.clip = ClipRect{0, 0, width, height, false};
    s.pacing.lastUpdateMs = startMs;
    s.pacing.fpsStartMs = startMs;
    return setBufferSize(s, width, height);
}

std::optional<RunError> setBufferSize(Screen& s, int w, int h) {
    const int larger = largerScreenSide(s);
    const int logicalX = std::min(std::max(w, larger), maxBufferSide);
    const int logicalY = std::min(std::max(h, larger), maxBufferSide);
    const int realX = textureSide(logicalX);
    const int realY = textureSide(logicalY);
    s.buffer = ArgbImage{};
    try {
        s.buffer = makeArgbImage(realX, realY, s.paper);
    } catch (const std::bad_alloc&) {
        s.bufferX = s.bufferY = -1;  // nothing is drawable without a buffer
        return RunError::OutOfMemory;
    }
    s.bufferX = logicalX;
    s.bufferY = logicalY;
    s.bufferChanged = true;
    return std::nullopt;
}
