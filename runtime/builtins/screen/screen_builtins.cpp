#include "screen/screen_builtins.h"

#include "arguments.h"
#include "modules.h"
#include "phone/emulator.h"
#include "report.h"
#include "screen/primitives.h"
#include "screen/text.h"

namespace {

ValueKind reportIf(Interp& in, std::optional<RunError> error) {
    if (error) report(in, *error);
    return ValueKind::None;
}

}  // namespace

ValueKind screenBuiltin(Interp& in, int32_t code) {
    if (!in.modules) return ValueKind::None;
    Emulator& e = in.modules->emulator;
    Screen& s = e.screen;
    auto i = [&in](int k) { return intArg(in, k); };
    switch (code) {
        case 105: screenOffset(s, i(0), i(1)); break;
        case 108: return reportIf(in, setBufferSize(s, i(0), i(1)));
        case 109: return reportIf(in, updateScreen(e));
        case 113: return returnInt(in, s.bufferX);
        case 114: return returnInt(in, s.bufferY);
        case 115: s.paper = colourArgument(i(0)); break;
        case 116: s.ink = colourArgument(i(0)); break;
        case 117: line(s, i(0), i(1), i(2), i(3)); break;
        case 118: box(s, i(0), i(1), i(2), i(3)); break;
        case 119: solidBox(s, i(0), i(1), i(2), i(3)); break;
        case 120: pixel(s, i(0), i(1)); break;
        case 121: return returnInt(in, readPixel(s, i(0), i(1)));
        case 122: cls(s); break;
        case 123: setClip(s, i(0), i(1), i(2), i(3)); break;
        case 124: s.clip.on = true; break;
        case 125: s.clip.on = false; break;
        case 126: circle(s, i(0), i(1), floatArg(in, 2)); break;
        case 127: ellipse(s, i(0), i(1), floatArg(in, 2), floatArg(in, 3)); break;
        case 128: return returnFloat(in, fps(s, e.clock));
        case 129: return reportIf(in, setSpeed(s, i(0)));
        case 144: locate(s, i(0), i(1)); break;
        case 145: return returnInt(in, cursorColumn(s));
        case 146: return returnInt(in, cursorRow(s));
        case 147: s.underline = i(0) > 0; break;
        case 148: s.bold = i(0) > 0; break;
        case 149: textAt(s, i(0), i(1), stringArg(in, 2)); break;
        case 150: center(s, stringArg(in, 0)); break;
        case 219: setInterval(s, i(0)); break;
        default: break;
    }
    return ValueKind::None;
}

void printOnScreen(Interp& in, std::string_view text) {
    if (in.modules) printString(in.modules->emulator.screen, text);
}
