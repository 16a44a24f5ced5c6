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

ValueKind screenBuiltin(Interp& in, Builtin code) {
    if (!in.modules) return ValueKind::None;
    Emulator& e = in.modules->emulator;
    Screen& s = e.screen;
    auto i = [&in](int k) { return intArg(in, k); };
    switch (code) {
        case Builtin::ScreenOffset: screenOffset(s, i(0), i(1)); break;
        case Builtin::SetBufferSize: return reportIf(in, setBufferSize(s, i(0), i(1)));
        case Builtin::Update: return reportIf(in, updateScreen(e));
        case Builtin::BufferX: return returnInt(in, s.bufferX);
        case Builtin::BufferY: return returnInt(in, s.bufferY);
        case Builtin::Paper: s.paper = colourArgument(i(0)); break;
        case Builtin::Ink: s.ink = colourArgument(i(0)); break;
        case Builtin::Line: line(s, i(0), i(1), i(2), i(3)); break;
        case Builtin::Box: box(s, i(0), i(1), i(2), i(3)); break;
        case Builtin::SolidBox: solidBox(s, i(0), i(1), i(2), i(3)); break;
        case Builtin::Pixel: pixel(s, i(0), i(1)); break;
        case Builtin::ReadPixel: return returnInt(in, readPixel(s, i(0), i(1)));
        case Builtin::Cls: cls(s); break;
        case Builtin::Clip: setClip(s, i(0), i(1), i(2), i(3)); break;
        case Builtin::ClipOn: s.clip.on = true; break;
        case Builtin::ClipOff: s.clip.on = false; break;
        case Builtin::Circle: circle(s, i(0), i(1), floatArg(in, 2)); break;
        case Builtin::Ellipse: ellipse(s, i(0), i(1), floatArg(in, 2), floatArg(in, 3)); break;
        case Builtin::Fps: return returnFloat(in, fps(s, e.clock));
        case Builtin::SetSpeed: return reportIf(in, setSpeed(s, i(0)));
        case Builtin::Locate: locate(s, i(0), i(1)); break;
        case Builtin::Cursx: return returnInt(in, cursorColumn(s));
        case Builtin::Cursy: return returnInt(in, cursorRow(s));
        case Builtin::Underline: s.underline = i(0) > 0; break;
        case Builtin::Bold: s.bold = i(0) > 0; break;
        case Builtin::Text: textAt(s, i(0), i(1), stringArg(in, 2)); break;
        case Builtin::Center: center(s, stringArg(in, 0)); break;
        case Builtin::SetInterval: setInterval(s, i(0)); break;
        default: break;
    }
    return ValueKind::None;
}

void printOnScreen(Interp& in, std::string_view text) {
    if (in.modules) printString(in.modules->emulator.screen, text);
}
