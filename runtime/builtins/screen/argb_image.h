// A CPU image of 32-bit ARGB pixels (0xAARRGGBB), rows of `pitch` words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct ArgbImage {
    int width = 0;
    int height = 0;
    int pitch = 0;  // words per row
    std::vector<uint32_t> pixels;

    uint32_t* row(int y) { return pixels.data() + static_cast<size_t>(y) * pitch; }
    const uint32_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * pitch; }
    uint32_t at(int x, int y) const { return row(y)[x]; }
};

inline ArgbImage makeArgbImage(int width, int height, uint32_t fill = 0) {
    return ArgbImage{width, height, width, std::vector<uint32_t>(static_cast<size_t>(width) * height, fill)};
}

// A rectangle with an exclusive lower-right corner, as the video driver takes it.
struct Rect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Point {
    int x = 0, y = 0;
};
