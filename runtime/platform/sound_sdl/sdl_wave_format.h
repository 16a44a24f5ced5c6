// Which WAV formats the SDL back end can play, as SDL sample formats.
#pragma once

#include "wave_file.h"

#include <SDL2/SDL_audio.h>

#include <optional>

// The SDL sample format of a WAV format record; empty for anything the device
// would refuse: unknown tags or sample sizes, no channels or more than 8, no rate, or a block
// alignment that does not match the channels and sample size.
std::optional<SDL_AudioFormat> sdlSampleFormat(const WaveFormat& format);
