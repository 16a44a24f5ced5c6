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

ValueKind phoneBuiltin(Interp& in, Builtin code) {
    switch (code) {
        case Builtin::TouchScreen: return returnInt(in, 1);  // the emulated phone always has one
        case Builtin::TiltMin: return returnInt(in, -128);
        case Builtin::TiltMax: return returnInt(in, 127);
        case Builtin::ProgramPaused: return returnInt(in, 0);  // the desktop never pauses a program
        default: break;
    }
    if (!in.modules) return ValueKind::None;
    Emulator& e = in.modules->emulator;
    Phone& phone = e.phone;
    auto i = [&in](int k) { return intArg(in, k); };
    switch (code) {
        case Builtin::ScreenX: return returnInt(in, usableScreenX(phone, e.screen));
        case Builtin::ScreenY: return returnInt(in, usableScreenY(phone, e.screen));
        case Builtin::Vibrate: return reportIf(in, vibrate(phone, i(0), e.clock.realTimeMs()));
        case Builtin::Touch: return returnInt(in, phone.touch.touching ? 1 : 0);
        case Builtin::TouchEnded: return returnInt(in, takeTouchEnded(phone));
        case Builtin::TouchX: return returnInt(in, phone.touch.x);
        case Builtin::TouchY: return returnInt(in, phone.touch.y);
        case Builtin::TouchEndX: return returnInt(in, phone.touch.endX);
        case Builtin::TouchEndY: return returnInt(in, phone.touch.endY);
        case Builtin::KeyName: {
            const auto name = keyName(i(0));
            if (const auto* error = std::get_if<RunError>(&name)) return reportIf(in, *error);
            return returnString(in, std::get<std::string_view>(name));
        }
        case Builtin::KeyPressed: return returnInt(in, keyPressed(phone, i(0)));
        case Builtin::TiltX: case Builtin::TiltY: case Builtin::TiltZ:
            waitForSensors(e);
            return returnInt(in, phone.tilt.values[static_cast<size_t>(int(code) - int(Builtin::TiltX))]);
        case Builtin::Orientation: return returnInt(in, phone.orientation);
        case Builtin::Inkey: return returnString(in, inkey(phone));
        case Builtin::SetZone: return reportIf(in, setZone(phone, i(0), i(1), i(2), i(3), i(4)));
        case Builtin::Zone: return returnInt(in, zoneAt(phone, i(0), i(1)));
        case Builtin::LeftHand: phone.joypad.leftHand = i(0) > 0; break;
        case Builtin::ZoneOn: return reportIf(in, zoneOn(phone, i(0)));
        case Builtin::ZoneOff: return reportIf(in, zoneOff(phone, i(0)));
        case Builtin::JoyPad: phone.joypad.on = i(0) != 0; break;
        case Builtin::OrientationChanged: return returnInt(in, takeOrientationChanged(phone));
        case Builtin::ReadSensors:
            waitForSensors(e);
            latchSensors(phone);
            break;
        case Builtin::SensorX: case Builtin::SensorY: case Builtin::SensorZ:
            return returnInt(in, phone.tilt.sensors[static_cast<size_t>(int(code) - int(Builtin::SensorX))]);
        default: break;
    }
    return ValueKind::None;
}
