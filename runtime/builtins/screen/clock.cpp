#include "screen/clock.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

// Milliseconds since the first read of any clock of the process.
uint32_t steadyMs() {
    static const auto start = std::chrono::steady_clock::now();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

}  // namespace

uint32_t SystemClock::realTimeMs() { return steadyMs(); }

void SystemClock::sleepMs(int ms) {
    if (ms == 0) std::this_thread::yield();
    if (ms <= 0) return;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (auto now = std::chrono::steady_clock::now(); now < end; now = std::chrono::steady_clock::now()) {
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            end - now, std::chrono::milliseconds(longestWaitSliceMs)));
        if (shouldEnd && shouldEnd()) return;
    }
}

uint32_t SkippingClock::realTimeMs() { return steadyMs() + skippedMs; }

void SkippingClock::sleepMs(int ms) {
    skippedMs += static_cast<uint32_t>(ms > 0 ? ms : 1);  // a yield counts as a millisecond, so waits end
}
