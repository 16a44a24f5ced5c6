// A picture in memory for pixel access and for the presenter: 32-bit ARGB
// values, row by row.
#pragma once

#include "screen/argb_image.h"

#include <cstdint>

using Picture = ArgbImage;

// A position outside the picture reads as transparent.
inline uint32_t pixelOrTransparent(const Picture& p, int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= p.width || y >= p.height) return 0;
    return p.at(x, y);
}

inline bool isOpaque(uint32_t argb) { return (argb >> 24) != 0; }
