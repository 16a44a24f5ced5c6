// The built-in groups the dispatcher hands codes to. Each returns the result
// kind of the call; a failed range check has already been reported.
#pragma once

#include "interp.h"

ValueKind mathsBuiltin(Interp& in, int32_t code);
ValueKind stringBuiltin(Interp& in, int32_t code);
ValueKind dataBuiltin(Interp& in, int32_t code);
ValueKind clockBuiltin(Interp& in, int32_t code);
