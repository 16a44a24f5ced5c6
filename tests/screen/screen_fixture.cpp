#include "screen_fixture.h"

ArgbImage testFont() {
    ArgbImage font = makeArgbImage(200, 105, 0x00FFFFFFu);  // transparent white
    const int cellX = ('A' % 20) * 10, cellY = ('A' / 20) * 15;
    font.row(cellY + 3)[cellX + 2] = 0xFFFFFFFFu;
    for (int j = 0; j < 13; ++j) font.row(cellY + j)[cellX + 9] = 0xFFFFFFFFu;
    return font;
}

Screen testScreen(int width, int height) {
    Screen s;
    s.paper = testPaper;
    s.ink = testInk;
    s.font = testFont();
    initScreen(s, width, height, 0);
    return s;
}

int countInk(const Screen& s) {
    int n = 0;
    for (int y = 0; y < s.buffer.height; ++y)
        for (int x = 0; x < s.buffer.width; ++x) n += s.buffer.at(x, y) == testInk;
    return n;
}

bool isInk(const Screen& s, int x, int y) { return s.buffer.at(x, y) == testInk; }
