// The line walk of Inline (and of the Line primitive): Bresenham's
// algorithm with the error term doubled. Along the major axis (x when the
// extents are equal) every step moves one unit; the minor coordinate moves
// when the error is not negative. The error starts at 2d - D and adds 2d when
// negative, 2(d - D) otherwise (d the minor extent, D the major extent).
#pragma once

#include <algorithm>
#include <cstdint>

// Minor steps taken after k steps of a walk with extents d <= D: the closed
// form of the error rule, so that a point is found without walking to it.
// Extents reach 2^32, so the product needs more than 64 bits.
inline int64_t minorStepsAfter(int64_t k, int64_t d, int64_t D) {
    if (D == 0) return 0;
    const __int128 numerator = static_cast<__int128>(2 * d) * k + D;
    return static_cast<int64_t>(numerator / (2 * D));
}

// Inline: steps from (min x, min y) to (x, y) along the walk to (max x, max y),
// or -1 when the point is outside that box or the walk misses it.
inline int32_t lineWalkSteps(int32_t x, int32_t y, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int64_t minX = std::min(x1, x2), maxX = std::max(x1, x2);
    const int64_t minY = std::min(y1, y2), maxY = std::max(y1, y2);
    if (x < minX || x > maxX || y < minY || y > maxY) return -1;
    const int64_t dx = maxX - minX, dy = maxY - minY;
    if (dx >= dy) {
        const int64_t k = x - minX;
        return minY + minorStepsAfter(k, dy, dx) == y ? static_cast<int32_t>(k) : -1;
    }
    const int64_t k = y - minY;
    return minX + minorStepsAfter(k, dx, dy) == x ? static_cast<int32_t>(k) : -1;
}
