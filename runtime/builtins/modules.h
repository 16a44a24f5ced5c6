// The runtime's built-in modules: their process-wide state, created once in
// `orbrt`'s start-up beside the interpreter and reached through it.
#pragma once

#include "archives.h"
#include "images.h"
#include "phone/emulator.h"
#include "sound.h"
#include "tile_map.h"

struct Modules {
    Sound& sound;
    Archives& archives;
    TileMap& map;
    Images& images;
    Emulator& emulator;  // the phone: its screen, input and frames
};
