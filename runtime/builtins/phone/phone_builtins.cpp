#include "phone/phone_builtins.h"

#include <variant>

#include "arguments.h"
#include "modules.h"
#include "phone/emulator.h"
#include "phone/joypad.h"
#include "phone/keys.h"
#include "phone/tilt.h"
#include "phone/touch.h"
#include "phone/vibration.h"
#include "phone/window_layout.h"
#include "phone/zones.h"
#include "report.h"

namespace {

ValueKind reportIf(Interp& in, std::optional<RunError> error) {
    if (error) report(in, *error);
    return ValueKind::None;
}

// The tilt reads stand for a slow sensor: they block for a while.
void waitForSensors(Emulator& e) { e.clock.sleepMs(tiltReadWaitMs); }

}  // namespace

ValueKind phoneBuiltin(Interp& in, int32_t code) {
    if (!in.modules) return ValueKind::None;
    Emulator& e = in.modules->emulator;
    Phone& phone = e.phone;
    auto i = [&in](int k) { return intArg(in, k); };
    switch (code) {
        case 111: return returnInt(in, usableScreenX(phone, e.screen));
        case 112: return returnInt(in, usableScreenY(phone, e.screen));
        case 178: return reportIf(in, vibrate(phone, i(0), e.clock.realTimeMs()));
        case 180: return returnInt(in, phone.touch.touching ? 1 : 0);
        case 181: return returnInt(in, takeTouchEnded(phone));
        case 182: return returnInt(in, phone.touch.x);
        case 183: return returnInt(in, phone.touch.y);
        case 184: return returnInt(in, phone.touch.endX);
        case 185: return returnInt(in, phone.touch.endY);
        case 186: {
            const auto name = keyName(i(0));
            if (const auto* error = std::get_if<RunError>(&name)) return reportIf(in, *error);
            return returnString(in, std::get<std::string_view>(name));
        }
        case 187: return returnInt(in, keyPressed(phone, i(0)));
        case 188: case 189: case 190:
            waitForSensors(e);
            return returnInt(in, phone.tilt.values[static_cast<size_t>(code - 188)]);
        case 191: return returnInt(in, phone.orientation);
        case 192: return returnString(in, inkey(phone));
        case 193: return reportIf(in, setZone(phone, i(0), i(1), i(2), i(3), i(4)));
        case 194: return returnInt(in, zoneAt(phone, i(0), i(1)));
        case 195: phone.joypad.leftHand = i(0) > 0; break;
        case 196: return reportIf(in, zoneOn(phone, i(0)));
        case 197: return reportIf(in, zoneOff(phone, i(0)));
        case 208: phone.joypad.on = i(0) != 0; break;
        case 211: return returnInt(in, takeOrientationChanged(phone));
        case 213:
            waitForSensors(e);
            latchSensors(phone);
            break;
        case 214: case 215: case 216: return returnInt(in, phone.tilt.sensors[static_cast<size_t>(code - 214)]);
        default: break;
    }
    return ValueKind::None;
}
