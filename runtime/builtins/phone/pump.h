// The event pump's share of the phone: deciding when a checkpoint of the
// interpreter looks at the window, and the per-step phone updates.
#pragma once

#include <cstdint>

#include "phone/phone.h"

// Looking for window messages costs many times a simple statement, so a
// checkpoint looks at most once a millisecond of running time.
inline constexpr uint32_t pumpPeriodMs = 1;

struct PumpGate {
    bool looked = false;
    uint32_t lastLookMs = 0;
};

// True when the window's messages should be looked at now.
bool pumpDue(PumpGate& gate, uint32_t nowMs);

// Pump steps 1 and 2: tilt values and vibration. True when the error strip
// must be repainted.
bool phoneStep(Phone& phone, uint32_t nowMs);
