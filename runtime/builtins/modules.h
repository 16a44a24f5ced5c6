// The runtime's built-in modules: their process-wide state, created once in
// `orbrt`'s start-up beside the interpreter and reached through it.
#pragma once

#include "phone/emulator.h"
#include "sound.h"

struct Modules {
    Sound& sound;
    Emulator& emulator;  // the phone: its screen, input and frames
};
