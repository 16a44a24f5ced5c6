#include <gtest/gtest.h>

#include "phone/joypad.h"
#include "phone/window_layout.h"

namespace {
Screen screenOf(int w, int h) {
    Screen s;
    s.width = w;
    s.height = h;
    s.clip = ClipRect{0, 0, w, h, false};
    return s;
}
constexpr Desktop desktop{1920, 1080};
}  // namespace

TEST(WindowLayout, MainWindowIsCentredAndSizedAroundTheScreen) {
    const WindowRect r = mainWindowRect(screenOf(360, 640), desktop);
    EXPECT_EQ(r.width, 375);
    EXPECT_EQ(r.height, 715);
    EXPECT_EQ(r.x, 960 - 187);
    EXPECT_EQ(r.y, 540 - 330 - 30);
}

TEST(WindowLayout, StripButtonsSitAtTheRightEnd) {
    const StripLayout strip = stripLayout(375, 700);
    EXPECT_EQ(strip.strip.y, 667);
    EXPECT_EQ(strip.strip.height, 33);
    EXPECT_EQ(strip.rotX, 305);
    EXPECT_EQ(strip.tiltX, 340);
}

TEST(WindowLayout, RotTradesWidthAndHeightAndStaysOnTheDesktop) {
    const RotatedLayout turned = rotatedLayout({773, 180, 375, 715}, desktop);
    EXPECT_EQ(turned.main.width, 654);
    EXPECT_EQ(turned.main.height, 436);
    EXPECT_EQ(turned.main.x, 773);
    EXPECT_EQ(turned.strip.strip.y, 436 - 66);
    EXPECT_EQ(turned.strip.rotX, 654 - 75);
    EXPECT_EQ(turned.strip.tiltX, 654 - 40);
    const RotatedLayout pushed = rotatedLayout({1500, 900, 375, 715}, desktop);
    EXPECT_EQ(pushed.main.x, 1920 - 654 - 30);
    EXPECT_EQ(pushed.main.y, 1080 - 436 - 30);
}

TEST(WindowLayout, TiltWindowBesideTheLowerCorner) {
    const WindowRect main{100, 100, 375, 715};
    const WindowRect portrait = tiltWindowRect(main, 0, desktop);
    EXPECT_EQ(portrait.x, 475);
    EXPECT_EQ(portrait.y, 815 - 117);
    const WindowRect landscape = tiltWindowRect(main, 1, desktop);
    EXPECT_EQ(landscape.x, 475 - 260);
    EXPECT_EQ(landscape.y, 815);
    const WindowRect atTheEdge = tiltWindowRect({1600, 100, 375, 715}, 0, desktop);
    EXPECT_EQ(atTheEdge.x, 1600 - 260);
}

TEST(Rotation, FlipsOrientationOnceAndSwapsTheScreen) {
    Screen s = screenOf(360, 640);
    Phone phone;
    rotate(phone, s);
    EXPECT_EQ(phone.orientation, 1);
    EXPECT_EQ(takeOrientationChanged(phone), 1);
    EXPECT_EQ(takeOrientationChanged(phone), 0);
    EXPECT_EQ(usableScreenX(phone, s), 640);
    EXPECT_EQ(usableScreenY(phone, s), 360);
    EXPECT_EQ(s.clip.x2, 640);
    EXPECT_EQ(s.clip.y2, 360);
    rotate(phone, s);
    EXPECT_EQ(phone.orientation, 0);
    EXPECT_EQ(s.width, 360);
}
