#include <gtest/gtest.h>

#include "phone/touch.h"

namespace {
Screen screenOf(int w, int h) {
    Screen s;
    s.width = w;
    s.height = h;
    return s;
}
}  // namespace

TEST(Touch, PressMoveAndReleaseFollowTheMouse) {
    const Screen s = screenOf(360, 640);
    Phone phone;
    touchPress(phone, s, 10, 20);
    EXPECT_TRUE(phone.touch.touching);
    EXPECT_EQ(phone.touch.x, 10);
    EXPECT_EQ(phone.touch.y, 20);
    touchMove(phone, s, 30, 40);
    EXPECT_EQ(phone.touch.x, 30);
    touchRelease(phone, s, 31, 41);
    EXPECT_FALSE(phone.touch.touching);
    EXPECT_EQ(phone.touch.endX, 31);
    EXPECT_EQ(phone.touch.endY, 41);
}

TEST(Touch, EndedIsReadOnceAfterTheRelease) {
    const Screen s = screenOf(360, 640);
    Phone phone;
    touchPress(phone, s, 10, 20);
    EXPECT_EQ(takeTouchEnded(phone), 0);
    touchRelease(phone, s, 10, 20);
    EXPECT_EQ(takeTouchEnded(phone), 1);
    EXPECT_EQ(takeTouchEnded(phone), 0);
}

TEST(Touch, MovesWithoutTheButtonAreIgnored) {
    const Screen s = screenOf(360, 640);
    Phone phone;
    touchMove(phone, s, 30, 40);
    EXPECT_EQ(phone.touch.x, 0);
    EXPECT_FALSE(phone.touch.touching);
}

TEST(Touch, PositionsOutsideTheScreenAreIgnored) {
    const Screen s = screenOf(360, 640);
    Phone phone;
    touchPress(phone, s, 361, 20);
    EXPECT_FALSE(phone.touch.touching);
    touchPress(phone, s, 360, 640);  // the far edges still count
    EXPECT_TRUE(phone.touch.touching);
    touchMove(phone, s, -1, 5);
    EXPECT_EQ(phone.touch.x, 360);
    touchRelease(phone, s, 400, 5);  // released outside: the touch ends, but no end position
    EXPECT_FALSE(phone.touch.touching);
    EXPECT_EQ(takeTouchEnded(phone), 0);
}

TEST(Touch, LandscapeJoypadMarginIsTakenOff) {
    const Screen s = screenOf(640, 360);  // large: margin 175, pad side x <= 175, buttons x >= 597
    Phone phone;
    phone.orientation = 1;
    phone.joypad.on = true;
    touchPress(phone, s, 300, 100);
    EXPECT_TRUE(phone.touch.touching);
    EXPECT_EQ(phone.touch.x, 125);
    EXPECT_EQ(phone.touch.y, 100);
    touchRelease(phone, s, 300, 100);
    EXPECT_EQ(phone.touch.endX, 125);
}
