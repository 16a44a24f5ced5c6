// The device timer that frame pacing, Fps and the waiting built-ins read.
#pragma once

#include <cstdint>

// Device timer: real time in milliseconds, and sleeping.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t realTimeMs() = 0;
    virtual void sleepMs(int ms) = 0;  // 0 gives the processor to others for a moment
};

// The process clock: steady time since the first call.
class SystemClock final : public Clock {
public:
    uint32_t realTimeMs() override;
    void sleepMs(int ms) override;

private:
    uint32_t skippedMs = 0;  // waits passed at once (instantWaits)
};
