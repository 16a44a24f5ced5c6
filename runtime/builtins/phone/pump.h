// The event pump's cheap half: deciding when to look for window messages and
// the per-step phone updates. Looking for messages costs many times a simple
// statement, so the pump looks at most about once a millisecond; the clock
// itself is read only every few steps.
#pragma once

#include <cstdint>

#include "phone/phone.h"
#include "screen/clock.h"

inline constexpr int pumpClockStride = 16;  // steps between clock reads
inline constexpr uint32_t pumpPeriodMs = 1;

struct PumpGate {
    int stepsToClockRead = 0;
    uint32_t lastPumpMs = 0;
};

// True when the window's messages should be looked at before this statement.
bool pumpDue(PumpGate& gate, Clock& clock);

// Pump steps 1 and 2: tilt values and vibration. True when the error strip
// must be repainted.
bool phoneStep(Phone& phone, uint32_t nowMs);
