// One picture the presenter draws over the screen at Update: a sprite or a
// map tile, taken from a source rectangle of a loaded picture and clipped.
#pragma once

#include "image_slots.h"
#include "screen_rect.h"

#include <vector>

struct PictureDraw {
    const Picture* image = nullptr;
    bool changed = false;  // the picture is drawn for the first time since it was loaded
    int32_t sourceX = 0, sourceY = 0, sourceWidth = 0, sourceHeight = 0;
    int32_t x = 0, y = 0;  // destination in screen coordinates
    ScreenRect clip;
};
