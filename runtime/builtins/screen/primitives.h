// Drawing primitives into the screen buffer, all in the ink colour and under
// the clip rule except where stated. Drawing outside the buffer is limited
// silently; none of these can fail.
#pragma once

#include <cstdint>

#include "line_walk.h"
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

// The line walk of Line and the ellipse outline: calls visit(x, y) for the points from the
// first end to the second (the ends swapped so that the major axis, x on a
// tie, runs forwards). Only the steps whose major coordinate lies in
// majorFirst..majorLast are visited; the walk jumps straight to the first one,
// so lines reaching far outside the buffer cost no more than the part inside.
template <typename Visit>
void walkLine(int x1, int y1, int x2, int y2, Visit visit, int majorFirst = INT32_MIN, int majorLast = INT32_MAX) {
    const int64_t dx = x2 > x1 ? int64_t{x2} - x1 : int64_t{x1} - x2;
    const int64_t dy = y2 > y1 ? int64_t{y2} - y1 : int64_t{y1} - y2;
    const bool alongX = dx >= dy;
    if (alongX ? x2 < x1 : y2 < y1) {
        int t = x1; x1 = x2; x2 = t;
        t = y1; y1 = y2; y2 = t;
    }
    const int64_t major = alongX ? dx : dy;
    const int64_t minor = alongX ? dy : dx;
    const int minorStep = alongX ? (y2 < y1 ? -1 : 1) : (x2 < x1 ? -1 : 1);
    const int64_t majorStart = alongX ? x1 : y1;
    const int64_t minorStart = alongX ? y1 : x1;
    const int64_t firstStep = majorFirst > majorStart ? majorFirst - majorStart : 0;
    const int64_t lastStep = majorLast < majorStart + major ? majorLast - majorStart : major;
    if (firstStep > lastStep) return;
    int64_t moved = minorStepsAfter(firstStep, minor, major);
    int64_t error = 2 * minor - major + 2 * firstStep * minor - 2 * major * moved;
    int64_t m = majorStart + firstStep;
    int64_t n = minorStart + minorStep * moved;
    for (int64_t k = firstStep;; ++k) {
        if (alongX) visit(static_cast<int>(m), static_cast<int>(n));
        else visit(static_cast<int>(n), static_cast<int>(m));
        if (k == lastStep) break;
        if (error >= 0) {
            n += minorStep;
            error += 2 * (minor - major);
        } else {
            error += 2 * minor;
        }
        ++m;
    }
}
