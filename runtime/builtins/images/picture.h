// A picture in memory for pixel access: 32-bit ARGB values, row by row.
#pragma once

#include <cstdint>
#include <vector>

struct Picture {
    int32_t width = 0, height = 0;
    std::vector<uint32_t> pixels;

    // A position outside the picture reads as transparent.
    uint32_t at(int32_t x, int32_t y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0;
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

inline bool isOpaque(uint32_t argb) { return (argb >> 24) != 0; }
