// The map drawing step of Update: the tiles the driver draws between the
// screen buffer and the sprites.
#pragma once

#include "picture_draw.h"
#include "tile_map.h"

// Nothing unless a map exists and drawing is on. A tile size still 0 becomes
// 32 and is kept. margin is the joypad margin that shifts the screen image.
std::vector<PictureDraw> mapDraws(TileMap& m, ImageSlots& slots, const ScreenClip& screen, int32_t margin);
