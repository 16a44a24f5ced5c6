// The built-ins of the phone's keys, touch, zones, joypad, tilt, vibration and orientation.
#pragma once

#include "interp.h"

ValueKind phoneBuiltin(Interp& in, int32_t code);
