// The built-ins of the phone's keys, touch, zones, joypad, tilt, vibration and orientation,
// and the fixed answers of the emulated phone (TouchScreen, TiltMin, TiltMax, ProgramPaused).
#pragma once

#include "interp.h"
#include "keyword_table.h"

ValueKind phoneBuiltin(Interp& in, Builtin code);
