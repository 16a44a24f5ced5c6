// The built-ins of the phone's keys, touch, zones, joypad, tilt, vibration and orientation.
#pragma once

#include "interp.h"
#include "keyword_table.h"

ValueKind phoneBuiltin(Interp& in, Builtin code);
