#include "screen/clock.h"

#include "waits.h"

#include <chrono>
#include <thread>

uint32_t SystemClock::realTimeMs() {
    static const auto start = std::chrono::steady_clock::now();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()) + skippedMs;
}

void SystemClock::sleepMs(int ms) {
    if (instantWaits)
        skippedMs += static_cast<uint32_t>(ms > 0 ? ms : 1);  // a yield counts as a millisecond, so waits end
    else if (ms > 0)
        waitMs(ms);
    else if (ms == 0)
        std::this_thread::yield();
}
