#include "phone/pump.h"

#include "phone/tilt.h"
#include "phone/vibration.h"

bool pumpDue(PumpGate& gate, Clock& clock) {
    if (gate.stepsToClockRead > 0) {
        --gate.stepsToClockRead;
        return false;
    }
    gate.stepsToClockRead = pumpClockStride - 1;
    const uint32_t now = clock.realTimeMs();
    if (now - gate.lastPumpMs < pumpPeriodMs) return false;
    gate.lastPumpMs = now;
    return true;
}

bool phoneStep(Phone& phone, uint32_t nowMs) {
    tiltStep(phone);
    return vibrationStep(phone, nowMs);
}
