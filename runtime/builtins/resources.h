// The resource loads of the image (`z0`..`z5`): pictures, sounds, music and maps
// named by a literal file name.
#pragma once

#include "interp.h"

// Executes the `z` code at the program position and moves past it.
void loadResourceCode(Interp& in);
