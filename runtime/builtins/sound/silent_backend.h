// The back end used when there is no sound device: every call succeeds and
// nothing is heard, so a program runs on as it would with sound.
#pragma once

#include "sound_backend.h"

SoundBackend& silentBackend();
