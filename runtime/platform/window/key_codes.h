// PC keys as the phone sees them: programs name keys by their virtual-key
// codes (A is 65, Enter 13, cursor up 38), so Qt's keys are translated.
#pragma once

// The virtual-key code of a Qt key, or 0 for keys without one.
int virtualKeyOf(int qtKey);
