#include <gtest/gtest.h>

#include "screen/primitives.h"
#include "screen/text.h"
#include "screen_fixture.h"

// The test font's 'A' sets (x + 2, y + 3) and column x + 9 over rows y .. y + 12.
static bool hasA(const Screen& s, int x, int y) {
    return isInk(s, x + 2, y + 3) && isInk(s, x + 9, y) && isInk(s, x + 9, y + 12);
}
constexpr int pixelsPerA = 1 + 13;

TEST(Text, DrawsTheGlyphFromItsFontCellAndAdvancesByEight) {
    Screen s = testScreen();
    const Point next = drawText(s, 4, 5, "AA");
    EXPECT_TRUE(hasA(s, 4, 5));
    EXPECT_TRUE(hasA(s, 12, 5));
    EXPECT_EQ(countInk(s), 2 * pixelsPerA);
    EXPECT_EQ(next.x, 20);
    EXPECT_EQ(next.y, 5);
}

TEST(Text, BoldDrawsTwicePixelApartAndAdvancesByNine) {
    Screen s = testScreen();
    s.bold = true;
    const Point next = drawText(s, 0, 0, "A");
    EXPECT_TRUE(hasA(s, 0, 0));
    EXPECT_TRUE(hasA(s, 1, 0));
    EXPECT_EQ(countInk(s), 2 + 2 * 13);
    EXPECT_EQ(next.x, 9);
}

TEST(Text, UnderlineFillsRowTwelveOfEveryCharacter) {
    Screen s = testScreen();
    s.underline = true;
    drawText(s, 0, 0, " ");  // the test font's blank has no pixels of its own
    for (int k = 0; k < 10; ++k) EXPECT_TRUE(isInk(s, k, 12)) << k;
    EXPECT_EQ(countInk(s), 10);
}

TEST(Text, WrapsWhenTheNextCharacterWouldPassTheRightEdge) {
    // On a 96-wide screen characters go at x = 0, 8, .., 88; after the one at 88
    // x becomes 96 > 88, so the next line starts.
    Screen s = testScreen(96, 64);
    const Point next = drawText(s, 0, 0, "AAAAAAAAAAAAA");
    EXPECT_TRUE(isInk(s, 90, 3));  // its right column, 97, lies outside the 96 x 96 buffer
    EXPECT_TRUE(hasA(s, 0, 12));
    EXPECT_EQ(next.x, 8);
    EXPECT_EQ(next.y, 12);
}

TEST(Text, StopsAtTheFirstCharacterOutsideSevenBits) {
    Screen s = testScreen();
    const Point next = drawText(s, 0, 0, "A\x80" "A");
    EXPECT_EQ(countInk(s), pixelsPerA);
    EXPECT_EQ(next.x, 8);
}

TEST(Text, IgnoresTheClipButStaysInsideTheBuffer) {
    Screen s = testScreen(360, 640);
    setClip(s, 100, 100, 200, 200);
    textAt(s, 0, 0, "A");
    EXPECT_TRUE(hasA(s, 0, 0));
    textAt(s, 635, 635, "A");  // column 644 and rows 641.. are outside the 640 x 640 buffer
    EXPECT_TRUE(isInk(s, 637, 638));
    EXPECT_EQ(countInk(s), pixelsPerA + 1);
}

TEST(Text, TextLeavesTheCursorWhereItWas) {
    Screen s = testScreen();
    locate(s, 2, 3);
    textAt(s, 100, 100, "AAA");
    EXPECT_EQ(s.cursorX, 16);
    EXPECT_EQ(s.cursorY, 36);
    EXPECT_EQ(cursorColumn(s), 2);
    EXPECT_EQ(cursorRow(s), 3);
}

TEST(Text, CenterOfFiveCharactersOnA360ScreenStartsAt152) {
    Screen s = testScreen(360, 640);
    locate(s, 5, 2);
    center(s, "AAAAA");  // 180 - (5 * 8 + 16) / 2 = 152
    EXPECT_TRUE(hasA(s, 152, 24));
    EXPECT_TRUE(hasA(s, 184, 24));
    EXPECT_EQ(s.cursorX, 0);
    EXPECT_EQ(s.cursorY, 36);
}

TEST(Print, AdvancesTheCursorAndAnEmptyStringStartsANewLine) {
    Screen s = testScreen();
    printString(s, "AA");
    EXPECT_EQ(s.cursorX, 16);
    EXPECT_EQ(s.cursorY, 0);
    printString(s, "");
    EXPECT_EQ(s.cursorX, 0);
    EXPECT_EQ(s.cursorY, 12);
    printString(s, "A");
    EXPECT_EQ(s.cursorX, 8);
}
