// Shared by the sound commands: which back end plays, and the file check.
#pragma once

#include "sound.h"

#include <string_view>

// The real device once sound has started, otherwise the silent one.
SoundBackend& activeDevice(Sound& s);

// The check a load makes first: can a file of that name be opened for reading?
bool fileCanBeRead(std::string_view file);
