// What Update draws over the screen buffer before the joypad overlay: the
// tile map, then the sprites.
#pragma once

#include "images.h"
#include "screen/presenter.h"
#include "screen/screen.h"
#include "tile_map.h"

// margin is the joypad margin that shifts the screen image to the right.
void drawMapAndSprites(TileMap& m, Images& images, const Screen& s, Presenter& p, int margin);
