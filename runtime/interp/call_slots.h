// A call's argument slots, as the evaluator and the fast steps fill them.
#pragma once

#include "interp.h"

// The argument slots of a call at the given evaluation depth, emptied: every
// number 0 and every text null. One set per depth is kept, so that a call
// does not allocate once its depth has been reached.
CallArguments& freshArguments(Interp& in, int depth);

// After the call: its numbers stay visible to `p` codes until the next call,
// without its texts.
void keepArguments(Interp& in, const CallArguments& args);
