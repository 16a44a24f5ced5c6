// The built-in groups the dispatcher hands codes to. Each returns the result
// kind of the call; a failed range check has already been reported.
#pragma once

#include "interp.h"

#include <string>

ValueKind mathsBuiltin(Interp& in, int32_t code);
ValueKind stringBuiltin(Interp& in, int32_t code);
ValueKind dataBuiltin(Interp& in, int32_t code);
ValueKind clockBuiltin(Interp& in, int32_t code);
ValueKind soundBuiltin(Interp& in, int32_t code);

// The `z2` (WAV), `z3` (MP3) and `z4` (MIDI) loads of a literal file name.
void loadSoundResource(Interp& in, char kind, int32_t slot, const std::string& fileName);
