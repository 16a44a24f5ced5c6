// Shared set-up for the screen tests: a screen with a known font whose glyphs
// are easy to find in the buffer.
#pragma once

#include <cstdint>

#include "screen/clock.h"
#include "screen/screen.h"

inline constexpr uint32_t testInk = 0x00FF0000u;
inline constexpr uint32_t testPaper = 0x00000010u;

// A font image of the real cell layout (200 x 105) where only character 'A'
// has a glyph: a single set pixel at cell column 2, row 3 and the whole cell
// column 9, so a drawn 'A' at (x, y) sets (x + 2, y + 3) and (x + 9, y .. y + 12).
ArgbImage testFont();

// A screen of the given size with testInk and testPaper and a buffer filled with paper.
Screen testScreen(int width = 360, int height = 640);

int countInk(const Screen& s);
bool isInk(const Screen& s, int x, int y);

// A device timer that moves only when read (1 ms per read) or slept.
class FakeClock final : public Clock {
public:
    uint32_t now = 0;
    uint32_t realTimeMs() override { return now++; }
    void sleepMs(int ms) override {
        if (ms > 0) now += static_cast<uint32_t>(ms);
    }
};
