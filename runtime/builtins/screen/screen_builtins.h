// The built-ins of the screen buffer, drawing, text and Update, and Print.
#pragma once

#include <string_view>

#include "interp.h"
#include "keyword_table.h"

ValueKind screenBuiltin(Interp& in, Builtin code);

// Print: the text at the cursor; the empty text starts a new line.
void printOnScreen(Interp& in, std::string_view text);
