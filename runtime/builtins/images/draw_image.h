// DrawImage: copies a picture's opaque pixels into the screen buffer.
#pragma once

#include "image_slots.h"
#include "screen/screen.h"

// slot counts from 1. Pixels go through the buffer's bounds and clip rule.
ImageResult drawImage(const ImageSlots& slots, Screen& screen, int32_t x, int32_t y, int32_t slot);
