// The waits of the waiting built-ins (Pause, Beep, tilt reads, Update pacing).
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

// Set only by the fuzz harness, which runs programs by the thousand: every wait
// passes at once, and the device timer jumps ahead by the time it would have
// slept, so that paced programs still see time go by. Users always wait.
inline bool instantWaits = false;

// A wait looks at the window this often, so that a close or a stop signal
// ends a long Pause or Beep at once instead of when it is over.
inline constexpr int longestWaitSliceMs = 50;

// Set by start-up for the run: takes the window's messages and says whether
// the run is ending; empty (no window to look at) in tests.
inline std::function<bool()> waitShouldEnd;

// Sleeps ms milliseconds in slices, ending early when waitShouldEnd says so.
inline void waitMs(int ms) {
    if (instantWaits) return;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (auto now = std::chrono::steady_clock::now(); now < end; now = std::chrono::steady_clock::now()) {
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            end - now, std::chrono::milliseconds(longestWaitSliceMs)));
        if (waitShouldEnd && waitShouldEnd()) return;
    }
}
