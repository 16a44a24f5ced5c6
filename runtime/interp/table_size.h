// Table-size records (`va`..`vc`): the statement that reads one leaves a
// request, which takes effect after the statement.
#pragma once

#include "interp.h"

// Carries out and clears the pending request: it replaces the global table,
// or in a procedure (with locals) the local one; "Out of memory" when the
// table cannot be had.
void applyTableSize(Interp& in, VariableTables* locals);
