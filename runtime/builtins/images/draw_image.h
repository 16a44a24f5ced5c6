// DrawImage: copies a picture's opaque pixels into the screen buffer.
#pragma once

#include "image_slots.h"
#include "screen_rect.h"

// The locked screen buffer as DrawImage writes it.
struct PixelTarget {
    uint32_t* pixels = nullptr;
    int32_t pitch = 0;               // pixels from one row to the next
    int32_t width = 0, height = 0;   // the surface; pixels outside are skipped
    bool clipOn = false;
    ScreenRect clip;                 // inclusive bounds
};

// slot counts from 1.
ImageResult drawImage(const ImageSlots& slots, PixelTarget& target, int32_t x, int32_t y, int32_t slot);
