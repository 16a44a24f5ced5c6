// The 64 sprites drawn over the screen at every Update, their drawing order,
// clip rectangle and the collision test. Sprites count from 1 in the language.
#pragma once

#include "image_slots.h"
#include "screen_rect.h"

#include <array>

inline constexpr int spriteCount = 64;

struct SpriteEntry {
    int32_t x = 0, y = 0;
    int32_t image = 0;  // slot index, from 0
    bool on = false;
};

struct Sprites {
    std::array<SpriteEntry, spriteCount> table{};
    bool priority = false;        // depth-sorted drawing
    bool pixelCollision = true;   // SpriteCol counts opaque pixel pairs
    bool clipOn = false;
    ScreenRect clip;
};

ImageResult sprite(Sprites& sp, const ImageSlots& slots, int32_t n, int32_t x, int32_t y, int32_t slot);
ImageResult spritePosition(Sprites& sp, int32_t n, int32_t x, int32_t y);
ImageResult spriteSwitch(Sprites& sp, int32_t n, bool on);
ImageResult spriteX(const Sprites& sp, int32_t n, int32_t& x);
ImageResult spriteY(const Sprites& sp, int32_t n, int32_t& y);
void spriteClip(Sprites& sp, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t screenWidth, int32_t screenHeight);

// The sprite indices (from 0) in the order they are drawn: number order, or
// with Priority by y, leaving out sprites at y 10000 or more.
std::vector<int> spriteDrawOrder(const Sprites& sp);

// The collision test of sprites a and b (from 1): 0 or 1 for boxes, or the
// count of opaque pixel pairs where a corner of a lies inside b.
ImageResult spriteCol(const Sprites& sp, const ImageSlots& slots, int32_t a, int32_t b, int32_t& result);
