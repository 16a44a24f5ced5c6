#include "phone/pump.h"

#include "phone/tilt.h"
#include "phone/vibration.h"

bool pumpDue(PumpGate& gate, uint32_t nowMs) {
    if (gate.looked && nowMs - gate.lastLookMs < pumpPeriodMs) return false;
    gate.looked = true;
    gate.lastLookMs = nowMs;
    return true;
}

bool phoneStep(Phone& phone, uint32_t nowMs) {
    tiltStep(phone);
    return vibrationStep(phone, nowMs);
}
