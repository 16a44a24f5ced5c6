// The built-in dispatcher and the other ways the interpreter reaches the
// built-in modules.
#pragma once

#include "interp.h"

#include <string_view>

// Carries out built-in `code` with the arguments in the current argument slots;
// returns the kind of the value left in the result register.
ValueKind dispatch(Interp& in, int32_t code);

// Whether built-in `code` only computes a value from its arguments, reading
// and changing nothing else (no screen, sound, file, clock or random seed):
// running it again gives the same value and changes nothing.
bool computesOnly(int32_t code);

// Print: draws the text at the text cursor; the empty text starts a new line.
void printText(Interp& in, std::string_view text);
