#include <gtest/gtest.h>

#include "screen_fixture.h"

TEST(Buffer, TextureSideIsThePowerOfTwoAboveTheLastDrawableCoordinate) {
    EXPECT_EQ(textureSide(10), 64);
    EXPECT_EQ(textureSide(63), 64);
    EXPECT_EQ(textureSide(64), 128);  // coordinate 64 itself is drawable
    EXPECT_EQ(textureSide(640), 1024);
    EXPECT_EQ(textureSide(1023), 1024);
    EXPECT_EQ(textureSide(2047), 2048);
}

TEST(Buffer, StartsAsASquareOfTheLargerScreenSideFilledWithPaper) {
    Screen s = testScreen(360, 640);
    EXPECT_EQ(s.bufferX, 640);
    EXPECT_EQ(s.bufferY, 640);
    EXPECT_EQ(s.buffer.width, 1024);
    EXPECT_EQ(s.buffer.height, 1024);
    EXPECT_EQ(s.buffer.at(0, 0), testPaper);
    EXPECT_EQ(s.buffer.at(1023, 1023), testPaper);
    EXPECT_FALSE(s.clip.on);
    EXPECT_EQ(s.clip.x2, 360);
    EXPECT_EQ(s.clip.y2, 640);
}

TEST(Buffer, IsNeverSmallerThanTheLargerScreenSide) {
    Screen s = testScreen(360, 640);
    ASSERT_FALSE(setBufferSize(s, 100, 100));
    EXPECT_EQ(s.bufferX, 640);
    EXPECT_EQ(s.bufferY, 640);
    ASSERT_FALSE(setBufferSize(s, 1000, 700));
    EXPECT_EQ(s.bufferX, 1000);
    EXPECT_EQ(s.bufferY, 700);
    EXPECT_EQ(s.buffer.width, 1024);
    EXPECT_EQ(s.buffer.height, 1024);
}

TEST(Buffer, LargeRequestsStayInsideTheLargestTexture) {
    Screen s = testScreen(360, 640);
    ASSERT_FALSE(setBufferSize(s, 5000, 3000));
    EXPECT_EQ(s.bufferX, 2047);
    EXPECT_EQ(s.bufferY, 2047);
    EXPECT_EQ(s.buffer.width, 2048);
}

TEST(Buffer, NewBufferIsFilledWithPaperEvenWhenClipped) {
    Screen s = testScreen(360, 640);
    s.clip = ClipRect{0, 0, 10, 10, true};
    s.paper = 0x123456;
    ASSERT_FALSE(setBufferSize(s, 800, 800));
    EXPECT_EQ(s.buffer.at(500, 500), 0x123456u);
    EXPECT_EQ(s.buffer.at(0, 0), 0x123456u);
}

TEST(Buffer, ColourArgumentsBelowZeroBecomeZero) {
    EXPECT_EQ(colourArgument(-1), 0u);
    EXPECT_EQ(colourArgument(255 * 65536), 0xFF0000u);
}
