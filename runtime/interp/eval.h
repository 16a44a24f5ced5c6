// The statement loops of the interpreter.
#pragma once

#include "interp.h"

// Runs the main program from position 0 until it ends, fails or is closed.
void runMainProgram(Interp& in);
