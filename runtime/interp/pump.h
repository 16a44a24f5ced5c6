// Between statements the interpreter lets the phone window run: the event
// pump, and the step limit that tests use to end endless programs.
#pragma once

#include "interp.h"

// Statements between two looks at the window; the host itself decides whether
// enough time has passed to take a message.
inline constexpr uint64_t pumpInterval = 64;

// Called when the step counter reaches its checkpoint; false ends the running
// statement loop (the program was closed or is quitting).
bool checkpoint(Interp& in);

// After a built-in that waited (Update's pacing, Pause, Beep, the tilt reads):
// the window takes the input that came in meanwhile at once, so that a program
// that mostly waits still sees its keys within a frame.
void pumpAfterWait(Interp& in);
