// The built-in groups the dispatcher hands codes to. Each returns the result
// kind of the call; a failed range check has already been reported.
#pragma once

#include "interp.h"
#include "keyword_table.h"

#include <string>

ValueKind mathsBuiltin(Interp& in, Builtin code);
ValueKind stringBuiltin(Interp& in, Builtin code);
ValueKind dataBuiltin(Interp& in, Builtin code);
ValueKind clockBuiltin(Interp& in, Builtin code);
ValueKind soundBuiltin(Interp& in, Builtin code);
ValueKind archiveBuiltin(Interp& in, Builtin code);
ValueKind mapBuiltin(Interp& in, Builtin code);
ValueKind imageBuiltin(Interp& in, Builtin code);

// The `z2` (WAV), `z3` (MP3) and `z4` (MIDI) loads of a literal file name.
void loadSoundResource(Interp& in, char kind, int32_t slot, const std::string& fileName);
// The `z0` (whole picture) and `z1` (multi-image) loads: the slot, then for z1
// the frame count and the frame size.
void loadImageResource(Interp& in, char kind, const int32_t (&numbers)[4], const std::string& fileName);
// The `z5` map load.
void loadMapResource(Interp& in, const std::string& fileName);
