#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>
#include <utility>

#include "screen/primitives.h"
#include "screen/text.h"
#include "screen_fixture.h"

TEST(SolidBox, FillsColumnsAndRowsUpToButNotIncludingTheSecondCorner) {
    Screen s = testScreen();
    solidBox(s, 0, 0, 10, 10);
    EXPECT_EQ(countInk(s), 100);
    EXPECT_TRUE(isInk(s, 9, 9));
    EXPECT_FALSE(isInk(s, 10, 9));
    EXPECT_FALSE(isInk(s, 9, 10));
}

TEST(SolidBox, OrdersCornersAndLimitsThemToTheBuffer) {
    Screen s = testScreen(360, 640);  // buffer 640 x 640
    solidBox(s, 10, 10, -5, 0);       // becomes 0,0 .. 10,10
    EXPECT_EQ(countInk(s), 100);
    Screen t = testScreen(360, 640);
    solidBox(t, 630, 635, 700, 900);  // columns 630..639, rows 635..639
    EXPECT_EQ(countInk(t), 10 * 5);
    EXPECT_TRUE(isInk(t, 639, 639));
    EXPECT_FALSE(isInk(t, 640, 639));
}

TEST(Box, OutlineHasSidesAtBothColumnsAndTopAndBottomInsideTheRows) {
    Screen s = testScreen();
    box(s, 0, 0, 10, 10);
    for (int y = 0; y <= 9; ++y) {
        EXPECT_TRUE(isInk(s, 0, y)) << y;
        EXPECT_TRUE(isInk(s, 10, y)) << y;
    }
    for (int x = 0; x <= 9; ++x) {
        EXPECT_TRUE(isInk(s, x, 0)) << x;
        EXPECT_TRUE(isInk(s, x, 9)) << x;
    }
    EXPECT_FALSE(isInk(s, 10, 10));
    EXPECT_FALSE(isInk(s, 5, 10));
    EXPECT_FALSE(isInk(s, 5, 5));
    // 10 + 10 side pixels, plus columns 1..9 of rows 0 and 9.
    EXPECT_EQ(countInk(s), 20 + 9 + 9);
}

TEST(Box, WithBothCornersLeftOfTheBufferDrawsOnlyColumnZero) {
    Screen s = testScreen();
    box(s, -20, 0, -10, 3);  // x1 raised to 0, x2 stays -10
    EXPECT_EQ(countInk(s), 3);
    EXPECT_TRUE(isInk(s, 0, 2));
}

TEST(Line, NegativeCoordinatesCountAsZero) {
    Screen s = testScreen();
    line(s, -5, 3, 4, 3);
    EXPECT_EQ(countInk(s), 5);
    EXPECT_TRUE(isInk(s, 0, 3));
    EXPECT_TRUE(isInk(s, 4, 3));
}

TEST(Line, WalksTheDoubledErrorBresenhamPath) {
    // (0,0)-(10,3): error starts at 2*3-10 = -4 and takes -4,2,-12,-6,0,-14,-8,-2,4,-10.
    // y steps on the moves out of 2, 0 and 4: at x = 2, 5 and 9.
    Screen s = testScreen();
    line(s, 10, 3, 0, 0);  // given backwards: the ends are swapped
    const std::set<std::pair<int, int>> expected = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2},
                                                    {6, 2}, {7, 2}, {8, 2}, {9, 3}, {10, 3}};
    std::set<std::pair<int, int>> drawn;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 12; ++x)
            if (isInk(s, x, y)) drawn.insert({x, y});
    EXPECT_EQ(drawn, expected);
}

TEST(Line, SteepLinesWalkAlongY) {
    Screen s = testScreen();
    line(s, 0, 0, 1, 4);  // d = 1, D = 4: error -2, 0, -6, -4: x steps on the move out of 0, to y = 2
    EXPECT_TRUE(isInk(s, 0, 0));
    EXPECT_TRUE(isInk(s, 0, 1));
    EXPECT_TRUE(isInk(s, 1, 2));
    EXPECT_TRUE(isInk(s, 1, 3));
    EXPECT_TRUE(isInk(s, 1, 4));
    EXPECT_EQ(countInk(s), 5);
}

TEST(Pixel, DrawsOnTheBufferEdgeAndNowhereOutside) {
    Screen s = testScreen(360, 640);
    pixel(s, 640, 640);
    pixel(s, 641, 0);
    pixel(s, -1, 0);
    EXPECT_EQ(countInk(s), 1);
    EXPECT_EQ(readPixel(s, 640, 640), static_cast<int32_t>(testInk));
    EXPECT_EQ(readPixel(s, 641, 0), -1);
    EXPECT_EQ(readPixel(s, 0, -1), -1);
    EXPECT_EQ(readPixel(s, 3, 3), static_cast<int32_t>(testPaper));
}

TEST(Pixel, ReadGivesTheWholeWordAlphaIncluded) {
    Screen s = testScreen();
    s.ink = 0xFF00FF00u;
    pixel(s, 1, 1);
    EXPECT_EQ(readPixel(s, 1, 1), static_cast<int32_t>(0xFF00FF00u));
}

TEST(Clip, PixelsOutsideTheClipRectangleAreNotWritten) {
    Screen s = testScreen();
    setClip(s, 20, 20, 10, 10);  // corners swapped into order
    EXPECT_EQ(s.clip.x1, 10);
    EXPECT_EQ(s.clip.x2, 20);
    pixel(s, 9, 15);
    pixel(s, 21, 15);
    pixel(s, 10, 10);
    pixel(s, 20, 20);
    EXPECT_EQ(countInk(s), 2);
    solidBox(s, 0, 0, 100, 100);  // cut to 10..20 both ways, inclusive
    EXPECT_EQ(countInk(s), 11 * 11);
}

TEST(Clip, FarCornerIsLimitedToTheScreen) {
    Screen s = testScreen(360, 640);
    setClip(s, 0, 0, 1000, 1000);
    EXPECT_EQ(s.clip.x2, 360);
    EXPECT_EQ(s.clip.y2, 640);
    EXPECT_TRUE(s.clip.on);
}

TEST(Cls, FillsEveryRowButTheLastAndEveryColumnWithPaper) {
    Screen s = testScreen(360, 640);
    s.paper = 0x0000FF;
    s.cursorX = 40;
    s.cursorY = 24;
    cls(s);
    EXPECT_EQ(s.buffer.at(640, 639), 0x0000FFu);
    EXPECT_EQ(s.buffer.at(0, 640), testPaper);
    EXPECT_EQ(s.buffer.at(641, 0), testPaper);
    EXPECT_EQ(s.cursorX, 0);
    EXPECT_EQ(s.cursorY, 0);
}

TEST(Cls, FollowsTheClipRule) {
    Screen s = testScreen();
    s.paper = testInk;
    setClip(s, 0, 0, 9, 9);
    cls(s);
    EXPECT_EQ(countInk(s), 100);
}

TEST(Circle, PointsRunClockwiseFromStraightAbove) {
    // Radius 10 at (50, 50): point 0 at (trunc(50.99), trunc(40.99)) = (50, 40),
    // point 16 (a quarter turn) at (60, 50), point 32 at (50, 60), point 48 at (40, 50).
    Screen s = testScreen();
    circle(s, 50, 50, 10.0f);
    EXPECT_TRUE(isInk(s, 50, 40));
    EXPECT_TRUE(isInk(s, 60, 50));
    EXPECT_TRUE(isInk(s, 50, 60));
    EXPECT_TRUE(isInk(s, 40, 50));
    EXPECT_FALSE(isInk(s, 50, 50));
    EXPECT_FALSE(isInk(s, 61, 50));
    EXPECT_FALSE(isInk(s, 50, 39));
    EXPECT_FALSE(isInk(s, 39, 50));
}

TEST(Circle, RadiusZeroIsOnePixel) {
    Screen s = testScreen();
    circle(s, 7, 8, 0.0f);  // every point at (trunc(7.99), trunc(8.99))
    EXPECT_EQ(countInk(s), 1);
    EXPECT_TRUE(isInk(s, 7, 8));
}

TEST(Ellipse, UsesSeparateRadii) {
    Screen s = testScreen();
    ellipse(s, 100, 100, 30.0f, 5.0f);
    EXPECT_TRUE(isInk(s, 100, 95));
    EXPECT_TRUE(isInk(s, 130, 100));
    EXPECT_TRUE(isInk(s, 100, 105));
    EXPECT_TRUE(isInk(s, 70, 100));
    EXPECT_FALSE(isInk(s, 131, 100));
}

TEST(Ellipse, PartlyOutsideTheBufferDrawsOnlyTheInsidePart) {
    Screen s = testScreen();
    circle(s, 0, 0, 20.0f);
    EXPECT_TRUE(isInk(s, 20, 0));   // point 16: (trunc(20.99), trunc(0.99))
    EXPECT_TRUE(isInk(s, 0, 20));   // point 32
    EXPECT_FALSE(isInk(s, 0, 0));
}

TEST(LineWalk, StartsPartWayWithTheSameMinorPosition) {
    // (-10,0)-(10,2): d = 2, D = 20, error -16 rising by 4; y steps on the moves to
    // x = -5 (error 0) and x = 5 (error 0 again after -36), so x = 0..4 lie on y = 1.
    std::vector<std::pair<int, int>> visited;
    walkLine(-10, 0, 10, 2, [&](int x, int y) { visited.push_back({x, y}); }, 0, 7);
    const std::vector<std::pair<int, int>> expected = {{0, 1}, {1, 1}, {2, 1}, {3, 1},
                                                       {4, 1}, {5, 2}, {6, 2}, {7, 2}};
    EXPECT_EQ(visited, expected);
}

TEST(Line, FarEndsCostOnlyTheVisiblePart) {
    Screen s = testScreen(360, 640);
    line(s, 0, 0, 2000000000, 1);  // y steps after a billion moves: row 0 across the buffer
    EXPECT_EQ(countInk(s), 641);
    EXPECT_TRUE(isInk(s, 640, 0));
}

TEST(Ellipse, AbsurdRadiiFinishAndStayInsideTheBuffer) {
    // Outline points a billion pixels or more away are held at a billion: these
    // outlines run around the square that far out and leave the buffer untouched.
    Screen s = testScreen(360, 640);
    circle(s, 100, 100, 3e9f);
    ellipse(s, 100, 100, std::nanf(""), 5.0f);
    ellipse(s, 100, 100, -1e30f, 1e30f);
    EXPECT_EQ(countInk(s), 0);
    // No height: the outline goes out and back along row 100, which it crosses
    // from edge to edge and nowhere else.
    ellipse(s, 100, 100, 1e30f, 0.0f);
    EXPECT_EQ(countInk(s), 641);
    EXPECT_TRUE(isInk(s, 0, 100));
    EXPECT_TRUE(isInk(s, 640, 100));
}

TEST(Text, FarCursorPositionsSaturate) {
    Screen s = testScreen();
    locate(s, 2000000000, -2000000000);
    EXPECT_EQ(s.cursorX, 2147483647);
    EXPECT_EQ(s.cursorY, -2147483647 - 1);
    printString(s, "AAA");  // wraps at once to x = 0 on the next line; nothing lands in the buffer
    EXPECT_EQ(countInk(s), 0);
}
