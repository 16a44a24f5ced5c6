// The device timer that frame pacing, Fps and the waiting built-ins (Pause,
// Beep, the tilt reads, Update's pacing) read, and every wait of a run.
#pragma once

#include <cstdint>
#include <functional>

// Device timer: real time in milliseconds, and waiting.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t realTimeMs() = 0;
    virtual void sleepMs(int ms) = 0;  // 0 gives the processor to others for a moment
};

// A wait looks at the window this often, so that a close or a stop signal
// ends a long Pause or Beep at once instead of when it is over.
inline constexpr int longestWaitSliceMs = 50;

// The process clock: steady time since the first call; a wait sleeps in
// slices, ending early when shouldEnd says so.
class SystemClock final : public Clock {
public:
    uint32_t realTimeMs() override;
    void sleepMs(int ms) override;

    // Set by start-up for the run: takes the window's messages and says
    // whether the run is ending; empty (no window to look at) in tests.
    std::function<bool()> shouldEnd;
};

// The fuzz harness's clock, for programs run by the thousand: every wait
// passes at once, and the timer jumps ahead by the time it would have slept,
// so that paced programs still see time go by.
class SkippingClock final : public Clock {
public:
    uint32_t realTimeMs() override;
    void sleepMs(int ms) override;

private:
    uint32_t skippedMs = 0;
};
