#include "screen/update.h"

#include <algorithm>
#include <cstdint>

namespace {

// The visible window of the buffer: the clip rectangle when clipping is on.
Rect visibleArea(const Screen& s) {
    // Buffer columns left of 0 do not exist; the control shows black there anyway.
    if (s.clip.on) return {std::max(s.clip.x1, 0), std::max(s.clip.y1, 0), s.clip.x2, s.clip.y2};
    return {0, 0, s.width, s.height};
}

void waitForFrameTime(Pacing& pacing, Clock& clock) {
    const int64_t rate = pacing.targetRate;
    for (;;) {
        const uint32_t now = clock.realTimeMs();
        const int64_t elapsed = static_cast<uint32_t>(now - pacing.lastUpdateMs);
        if (elapsed * rate > 1000) {
            pacing.lastUpdateMs = now;
            return;
        }
        // Sleep through most of the wait, so a paced program leaves the CPU to others
        // (the display server among them), and read the timer closely for the last millisecond.
        const int64_t remaining = 1000 / rate - elapsed;
        clock.sleepMs(remaining >= 2 ? static_cast<int>(remaining - 1) : 0);
    }
}

}  // namespace

std::optional<RunError> composeFrame(Screen& s, Presenter& p, int joypadMargin, const FrameLayers& layers) {
    const Rect r = visibleArea(s);
    // A negative offset would show memory before the buffer.
    if (s.offsetX < 0 || s.offsetY < 0 || s.bufferX < int64_t{s.offsetX} + r.x2 - joypadMargin ||
        s.bufferY < int64_t{s.offsetY} + r.y2)
        return RunError::ScreenOutOfBounds;
    p.beginScene();
    // The source starts at the clip corner too, so that clipping hides the outside
    // without moving what is inside.
    const Rect source{s.offsetX + r.x1, s.offsetY + r.y1, s.offsetX + s.width, s.offsetY + s.height};
    const Point dest{joypadMargin + r.x1, r.y1};
    const Rect clip{joypadMargin + r.x1, r.y1, joypadMargin + r.x2, r.y2};
    p.drawImage(s.buffer, s.bufferChanged, source, dest, clip, false);
    s.bufferChanged = false;
    if (layers) layers(p);
    p.endScene();
    return std::nullopt;
}

std::optional<RunError> update(Screen& s, Presenter& p, Clock& clock, int joypadMargin,
                               const FrameLayers& layers) {
    if (auto error = composeFrame(s, p, joypadMargin, layers)) return error;
    ++s.pacing.frameCount;
    clock.sleepMs(s.pacing.intervalMs);
    waitForFrameTime(s.pacing, clock);
    return std::nullopt;
}

float fps(Screen& s, Clock& clock) {
    Pacing& pacing = s.pacing;
    const uint32_t now = clock.realTimeMs();
    const uint32_t elapsed = now - pacing.fpsStartMs;
    if (elapsed > 1000) {
        pacing.measuredRate = static_cast<float>(pacing.frameCount) / (static_cast<float>(elapsed) / 1000.0f);
        pacing.frameCount = 0;
        pacing.fpsStartMs = now;
    }
    return pacing.measuredRate;
}

std::optional<RunError> setSpeed(Screen& s, int framesPerSecond) {
    if (framesPerSecond < 1) return RunError::OutOfRange;
    s.pacing.targetRate = framesPerSecond;
    return std::nullopt;
}
