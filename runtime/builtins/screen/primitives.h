// Drawing primitives into the screen buffer, all in the ink colour and under
// the clip rule except where stated. Drawing outside the buffer is limited
// silently; none of these can fail.
#pragma once

#include <cstdint>

#include "screen/screen.h"

// Fills rows 0..BufferY-1, columns 0..BufferX with paper; the cursor goes home.
void cls(Screen& s);

void pixel(Screen& s, int x, int y);

// The colour at (x, y), or -1 outside 0..BufferX, 0..BufferY.
int32_t readPixel(const Screen& s, int x, int y);

// Line: negative coordinates count as 0, both ends are drawn.
void line(Screen& s, int x1, int y1, int x2, int y2);

// Columns x1..x2-1 of rows y1..y2-1, after ordering and limiting the corners.
void solidBox(Screen& s, int x1, int y1, int x2, int y2);

// The outline of the same area, with its sides at columns x1 and x2.
void box(Screen& s, int x1, int y1, int x2, int y2);

// A closed polygon of 64 points, clockwise from straight above the centre.
void ellipse(Screen& s, int x, int y, float rx, float ry);
inline void circle(Screen& s, int x, int y, float r) { ellipse(s, x, y, r, r); }

// Clip: orders the corners, limits the far corner to the screen, switches clipping on.
void setClip(Screen& s, int x1, int y1, int x2, int y2);

// The line walk shared with Inline: calls visit(x, y) for every point from the
// first end to the second, the ends swapped so the major axis runs forwards.
template <typename Visit>
void walkLine(int x1, int y1, int x2, int y2, Visit visit) {
    const int dx = x2 > x1 ? x2 - x1 : x1 - x2;
    const int dy = y2 > y1 ? y2 - y1 : y1 - y2;
    const bool alongX = dx >= dy;
    if (alongX ? x2 < x1 : y2 < y1) {
        int t = x1; x1 = x2; x2 = t;
        t = y1; y1 = y2; y2 = t;
    }
    const int major = alongX ? dx : dy;
    const int minor = alongX ? dy : dx;
    const int minorStep = alongX ? (y2 < y1 ? -1 : 1) : (x2 < x1 ? -1 : 1);
    int x = x1, y = y1;
    int error = 2 * minor - major;
    visit(x, y);
    for (int i = 0; i < major; ++i) {
        if (error >= 0) {
            (alongX ? y : x) += minorStep;
            error += 2 * (minor - major);
        } else {
            error += 2 * minor;
        }
        (alongX ? x : y) += 1;
        visit(x, y);
    }
}
