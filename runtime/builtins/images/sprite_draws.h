// The sprite drawing step of Update: what the driver draws, in order.
#pragma once

#include "picture_draw.h"
#include "sprites.h"

// margin is the joypad margin that shifts the screen image to the right.
std::vector<PictureDraw> spriteDraws(const Sprites& sp, ImageSlots& slots, const ScreenClip& screen, int32_t margin);
