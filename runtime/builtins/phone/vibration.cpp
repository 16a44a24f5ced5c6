#include "phone/vibration.h"

std::optional<RunError> vibrate(Phone& phone, int ms, uint32_t nowMs) {
    if (ms < 1) return RunError::OutOfRange;
    Vibration& v = phone.vibration;
    v.vibrating = true;
    v.startMs = nowMs;
    v.lastToggleMs = nowMs;
    v.durationMs = ms;
    return std::nullopt;
}

bool vibrationStep(Phone& phone, uint32_t nowMs) {
    Vibration& v = phone.vibration;
    if (!v.vibrating) return false;
    bool repaint = false;
    if (nowMs - v.lastToggleMs > vibrationFrameMs) {
        v.frame ^= 1;
        v.lastToggleMs = nowMs;
        repaint = true;
    }
    if (nowMs - v.startMs > static_cast<uint32_t>(v.durationMs)) {
        v.vibrating = false;
        repaint = true;
    }
    return repaint;
}
