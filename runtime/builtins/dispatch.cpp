#include "dispatch.h"

#include "arguments.h"
#include "groups.h"
#include "pump.h"
#include "phone/phone_builtins.h"
#include "screen/screen_builtins.h"

namespace {

bool waits(int32_t code) { return code == 109 || code == 152 || code == 163 || (code >= 188 && code <= 190) || code == 213; }

ValueKind carryOut(Interp& in, int32_t code);

}  // namespace

ValueKind dispatch(Interp& in, int32_t code) {
    const ValueKind kind = carryOut(in, code);
    if (waits(code) && !in.stop) pumpAfterWait(in);
    return kind;
}

namespace {

ValueKind carryOut(Interp& in, int32_t code) {
    in.result.i = 0;
    in.result.f = 0.0f;
    in.result.s.clear();
    switch (code) {
        case 66: case 67: case 71 ... 81: case 96 ... 100: case 151: return mathsBuiltin(in, code);
        case 68 ... 70: return dataBuiltin(in, code);
        case 82 ... 95: case 101: case 102: return stringBuiltin(in, code);
        case 152 ... 162: return clockBuiltin(in, code);
        case 163 ... 175: case 221 ... 223: return soundBuiltin(in, code);
        case 179: return returnInt(in, 1);     // TouchScreen: the emulated phone always has one
        case 206: return returnInt(in, -128);  // TiltMin
        case 207: return returnInt(in, 127);   // TiltMax
        case 220: return returnInt(in, 0);     // ProgramPaused: the desktop never pauses a program
        case 105: case 108: case 109: case 113 ... 129: case 144 ... 150: case 219: return screenBuiltin(in, code);
        case 111: case 112: case 178: case 180 ... 197: case 208: case 211: case 213 ... 216:
            return phoneBuiltin(in, code);
        case 136 ... 143: return archiveBuiltin(in, code);
        case 104: case 106: case 107: case 131 ... 135: case 203: case 204: case 209: case 210: case 217: case 218:
            return mapBuiltin(in, code);
        case 103: case 110: case 130: case 176: case 177: case 198 ... 202: case 205: return imageBuiltin(in, code);
        default: return ValueKind::None;  // DoubleBuffer and codes without an entry
    }
}

}  // namespace

void printText(Interp& in, std::string_view text) { printOnScreen(in, text); }
