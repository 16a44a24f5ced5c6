#include "screen/primitives.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// Fills columns x1..x2 and rows y1..y2 (inclusive), cut to the buffer and the clip.
void fillArea(Screen& s, int x1, int y1, int x2, int y2, uint32_t colour) {
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, s.bufferX);
    y2 = std::min(y2, s.bufferY);
    if (s.clip.on) {
        x1 = std::max(x1, s.clip.x1);
        y1 = std::max(y1, s.clip.y1);
        x2 = std::min(x2, s.clip.x2);
        y2 = std::min(y2, s.clip.y2);
    }
    if (x1 > x2 || y1 > y2) return;
    for (int y = y1; y <= y2; ++y) std::fill_n(s.buffer.row(y) + x1, x2 - x1 + 1, colour);
    s.bufferChanged = true;
}

struct Corners {
    int x1, y1, x2, y2;
};

// Box preparation: order per axis, raise the near corner to 0, lower all to the buffer size.
Corners boxCorners(const Screen& s, int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 = std::min(std::max(x1, 0), s.bufferX);
    y1 = std::min(std::max(y1, 0), s.bufferY);
    x2 = std::min(x2, s.bufferX);
    y2 = std::min(y2, s.bufferY);
    return {x1, y1, x2, y2};
}

void walkInk(Screen& s, int x1, int y1, int x2, int y2) {
    if (std::max(x1, x2) < 0 || std::min(x1, x2) > s.bufferX || std::max(y1, y2) < 0 ||
        std::min(y1, y2) > s.bufferY)
        return;
    const bool alongX = std::abs(int64_t{x2} - x1) >= std::abs(int64_t{y2} - y1);
    walkLine(x1, y1, x2, y2, [&s](int x, int y) { putPixel(s, x, y, s.ink); }, 0, alongX ? s.bufferX : s.bufferY);
    s.bufferChanged = true;
}

// Polygon points of absurd ellipses stay far outside the buffer but inside int.
int pointCoordinate(double v) {
    constexpr double limit = 1e9;
    if (!(v > -limit)) return static_cast<int>(-limit);  // also NaN
    if (!(v < limit)) return static_cast<int>(limit);
    return static_cast<int>(v);
}

}  // namespace

void cls(Screen& s) {
    // Row BufferY is left alone while column BufferX is filled: programs see this edge.
    fillArea(s, 0, 0, s.bufferX, s.bufferY - 1, s.paper);
    s.cursorX = 0;
    s.cursorY = 0;
}

void pixel(Screen& s, int x, int y) {
    putPixel(s, x, y, s.ink);
    s.bufferChanged = true;
}

int32_t readPixel(const Screen& s, int x, int y) {
    if (!insideBuffer(s, x, y)) return -1;
    return static_cast<int32_t>(s.buffer.at(x, y));
}

void line(Screen& s, int x1, int y1, int x2, int y2) {
    walkInk(s, std::max(x1, 0), std::max(y1, 0), std::max(x2, 0), std::max(y2, 0));
}

void solidBox(Screen& s, int x1, int y1, int x2, int y2) {
    const Corners c = boxCorners(s, x1, y1, x2, y2);
    fillArea(s, c.x1, c.y1, c.x2 - 1, c.y2 - 1, s.ink);
}

void box(Screen& s, int x1, int y1, int x2, int y2) {
    const Corners c = boxCorners(s, x1, y1, x2, y2);
    if (c.y1 > c.y2 - 1) return;
    fillArea(s, c.x1, c.y1, c.x2 - 1, c.y1, s.ink);
    fillArea(s, c.x1, c.y2 - 1, c.x2 - 1, c.y2 - 1, s.ink);
    fillArea(s, c.x1, c.y1, c.x1, c.y2 - 1, s.ink);
    fillArea(s, c.x2, c.y1, c.x2, c.y2 - 1, s.ink);
}

void ellipse(Screen& s, int x, int y, float rx, float ry) {
    constexpr int points = 64;
    auto column = [&](int k) {
        const double a = k / static_cast<double>(points) * 2 * std::numbers::pi;
        return pointCoordinate(x + 0.99 + rx * std::sin(a));
    };
    auto row = [&](int k) {
        const double a = k / static_cast<double>(points) * 2 * std::numbers::pi;
        return pointCoordinate(y - ry * std::cos(a) + 0.99);
    };
    for (int k = 0; k < points; ++k) {
        const int next = (k + 1) % points;
        walkInk(s, column(k), row(k), column(next), row(next));
    }
}

void setClip(Screen& s, int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    s.clip = ClipRect{x1, y1, std::min(x2, s.width), std::min(y2, s.height), true};
}
