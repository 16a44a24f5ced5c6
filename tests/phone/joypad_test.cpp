#include <gtest/gtest.h>

#include "phone/joypad.h"
#include "phone/keys.h"
#include "phone/touch.h"
#include "screen/software_presenter.h"

namespace {

Screen screenOf(int w, int h) {
    Screen s;
    s.width = w;
    s.height = h;
    return s;
}

Phone joypadPhone(int orientation, bool leftHand = false) {
    Phone phone;
    phone.orientation = orientation;
    phone.joypad.on = true;
    phone.joypad.leftHand = leftHand;
    return phone;
}

// Records the hit areas as drawing would, without images.
void recordHits(Phone& phone, const Screen& s) {
    const JoypadLayout layout = layoutJoypad(phone, s);
    phone.joypad.directionHits = layout.directionHits;
    phone.joypad.diagonalHits = layout.diagonalHits;
    phone.joypad.buttonHits = layout.buttonHits;
}

void expectRect(const Rect& r, int x1, int y1, int x2, int y2) {
    EXPECT_EQ(r.x1, x1);
    EXPECT_EQ(r.y1, y1);
    EXPECT_EQ(r.x2, x2);
    EXPECT_EQ(r.y2, y2);
}

}  // namespace

TEST(JoypadGeometry, MarginOnlyInLandscapeWithTheJoypadOn) {
    const Screen small = screenOf(320, 240), large = screenOf(640, 360);
    Phone phone = joypadPhone(0);
    EXPECT_EQ(joypadMargin(phone, small), 0);
    phone.orientation = 1;
    EXPECT_EQ(joypadMargin(phone, small), 128);
    EXPECT_EQ(joypadMargin(phone, large), 175);
    phone.joypad.leftHand = true;
    EXPECT_EQ(joypadMargin(phone, small), 28);
    EXPECT_EQ(joypadMargin(phone, large), 43);
    phone.joypad.on = false;
    EXPECT_EQ(joypadMargin(phone, large), 0);
}

TEST(JoypadGeometry, UsableScreenLeavesRoomForTheJoypad) {
    const Screen portrait = screenOf(360, 640);  // j = (640 - 320) / 4 + 119 = 199
    Phone phone = joypadPhone(0);
    EXPECT_EQ(portraitPadSpace(portrait), 199);
    EXPECT_EQ(usableScreenY(phone, portrait), 640 - 199 - 19);
    EXPECT_EQ(usableScreenX(phone, portrait), 360);
    EXPECT_EQ(portraitPadSpace(screenOf(240, 320)), 119);
    phone.orientation = 1;
    EXPECT_EQ(usableScreenX(phone, screenOf(320, 240)), 320 - 156);
    EXPECT_EQ(usableScreenX(phone, screenOf(640, 360)), 640 - 218);
    EXPECT_EQ(usableScreenY(phone, screenOf(640, 360)), 360);
    phone.joypad.on = false;
    EXPECT_EQ(usableScreenX(phone, screenOf(640, 360)), 640);
}

TEST(JoypadGeometry, PortraitLargeLayout) {
    // 360 x 640 is large: F = 50, pad 150 x 300, j = 199.
    // X = 180 - 75 = 105, Y = 640 - 99 - 75 - 34 = 432.
    const Screen s = screenOf(360, 640);
    Phone phone = joypadPhone(0);
    phone.joypad.directions[padUp] = true;
    const JoypadLayout layout = layoutJoypad(phone, s);
    ASSERT_EQ(layout.blackBars.size(), 1u);
    expectRect(layout.blackBars[0], 0, 422, 360, 640);
    expectRect(layout.directionHits[padUp], 155, 432, 205, 482);
    expectRect(layout.directionHits[padDown], 155, 532, 205, 582);
    expectRect(layout.directionHits[padLeft], 105, 482, 155, 532);
    expectRect(layout.directionHits[padRight], 205, 482, 255, 532);
    // The pressed Up arrow comes from 3F = 150 rows lower, 5 pixels wider each side.
    const JoypadPiece& up = layout.pieces[1];
    expectRect(up.source, 45, 150, 105, 200);
    EXPECT_EQ(up.dest.x, 150);
    EXPECT_EQ(up.dest.y, 432);
    // Buttons: Kq = 90, L = 1, at (k * 90 + 1, 600); sources at (10 + k - 4) * 81.
    const JoypadPiece& menu = layout.pieces[5 + padMenu];
    EXPECT_TRUE(menu.fromButtons);
    expectRect(menu.source, 0, 8 * 81, 87, 8 * 81 + 44);
    EXPECT_EQ(menu.dest.x, 181);
    EXPECT_EQ(menu.dest.y, 600);
    expectRect(layout.buttonHits[padMenu], 181, 600, 263, 650);
}

TEST(JoypadGeometry, PortraitSmallLayoutSitsTenPixelsLower) {
    // 240 x 320: F = 33, j = 119, X = 120 - 50 = 70, Y = 320 - 59 - 50 - 34 + 10 = 187.
    const Screen s = screenOf(240, 320);
    const JoypadLayout layout = layoutJoypad(joypadPhone(0), s);
    expectRect(layout.directionHits[padUp], 103, 187, 136, 220);
    // Buttons: Kq = 60, L = 1, at (k * 60 + 1, 290), sources at cell (10 + k) * 54.
    expectRect(layout.pieces[5 + padCalendar].source, 0, 540, 58, 574);
    expectRect(layout.buttonHits[padMail], 181, 290, 234, 320);
}

TEST(JoypadGeometry, LandscapeRightAndLeftHanded) {
    // 640 x 360 is large: M = 47, c = 15, F = 50, X = 10, Y = 180 - 30 - 49 = 101.
    const Screen s = screenOf(640, 360);
    JoypadLayout right = layoutJoypad(joypadPhone(1), s);
    ASSERT_EQ(right.blackBars.size(), 2u);
    expectRect(right.blackBars[0], 0, 0, 175, 360);
    expectRect(right.blackBars[1], 597, 0, 640, 360);
    expectRect(right.directionHits[padUp], 60, 101, 110, 151);
    // Buttons: Jq = 90, L = 4, T = 640 - 15 - 28 = 597.
    expectRect(right.buttonHits[padAddressbook], 597, 94, 679, 169);
    expectRect(right.pieces[5 + padAddressbook].source, 0, 81, 48, 162);

    // Left-handed: the pad moves to u = 640 - 47 - 128 = 465, the buttons to T = -5.
    JoypadLayout left = layoutJoypad(joypadPhone(1, true), s);
    expectRect(left.blackBars[0], 465, 0, 640, 360);
    expectRect(left.blackBars[1], 0, 0, 43, 360);
    expectRect(left.directionHits[padLeft], 475, 151, 525, 201);
    expectRect(left.buttonHits[padCalendar], -5, 4, 77, 79);
}

TEST(JoypadGeometry, PressedButtonsMoveTwoPixels) {
    const Screen s = screenOf(640, 360);
    Phone right = joypadPhone(1), left = joypadPhone(1, true), portrait = joypadPhone(0);
    right.joypad.buttons[padMenu] = left.joypad.buttons[padMenu] = true;
    EXPECT_EQ(layoutJoypad(right, s).pieces[5 + padMenu].dest.x, 599);
    EXPECT_EQ(layoutJoypad(left, s).pieces[5 + padMenu].dest.x, -7);
    const Screen p = screenOf(360, 640);
    portrait.joypad.buttons[padMenu] = true;
    EXPECT_EQ(layoutJoypad(portrait, p).pieces[5 + padMenu].dest.y, 602);
}

TEST(JoypadTouch, ATouchOnTheDownArrowIsJoypadNotScreen) {
    const Screen s = screenOf(360, 640);
    Phone phone = joypadPhone(0);
    recordHits(phone, s);
    touchPress(phone, s, 180, 550);  // inside Down (155..205, 532..582)
    EXPECT_FALSE(phone.touch.touching);
    EXPECT_TRUE(phone.joypad.directions[padDown]);
    EXPECT_EQ(inkey(phone), "Down");
    touchRelease(phone, s, 180, 550);
    EXPECT_FALSE(phone.joypad.directions[padDown]);
    EXPECT_EQ(inkey(phone), "");
}

TEST(JoypadTouch, CornersPressTwoDirections) {
    const Screen s = screenOf(360, 640);
    Phone phone = joypadPhone(0);
    recordHits(phone, s);
    touchPress(phone, s, 110, 440);  // the square left of Up
    EXPECT_TRUE(phone.joypad.directions[padUp]);
    EXPECT_TRUE(phone.joypad.directions[padLeft]);
    EXPECT_EQ(inkey(phone), "Left");
    touchMove(phone, s, 250, 575);  // dragged to the square right of Down
    EXPECT_FALSE(phone.joypad.directions[padUp]);
    EXPECT_TRUE(phone.joypad.directions[padDown]);
    EXPECT_TRUE(phone.joypad.directions[padRight]);
}

TEST(JoypadTouch, ButtonsAreHitByTheirRectangles) {
    const Screen s = screenOf(360, 640);
    Phone phone = joypadPhone(0);
    recordHits(phone, s);
    touchPress(phone, s, 200, 620);  // Menu: 181..263 x 600..650
    EXPECT_TRUE(phone.joypad.buttons[padMenu]);
    EXPECT_EQ(inkey(phone), "Menu");
}

TEST(JoypadTouch, NothingIsHitBeforeTheOverlayWasDrawn) {
    const Screen s = screenOf(360, 640);
    Phone phone = joypadPhone(0);
    touchPress(phone, s, 180, 550);
    EXPECT_FALSE(phone.joypad.directions[padDown]);
    EXPECT_FALSE(phone.touch.touching);
}

TEST(JoypadDraw, OverlayIsDrawnAndItsHitsKept) {
    const Screen s = screenOf(240, 320);
    Phone phone = joypadPhone(0);
    phone.joypad.images.pad = makeArgbImage(100, 200, 0xFF00FF00u);
    phone.joypad.images.buttons = makeArgbImage(58, 756, 0xFF0000FFu);
    phone.joypad.imagesLoaded = true;
    SoftwarePresenter p(240, 320);
    p.beginScene();
    p.fillRect({0, 0, 240, 320}, 0xFFFFFFFFu);
    drawJoypadOverlay(phone, s, p);
    p.endScene();
    const ArgbImage& f = p.lastFrame();
    EXPECT_EQ(f.at(0, 181), 0xFFFFFFFFu);  // above the strip at 320 - 119 - 19 = 182
    EXPECT_EQ(f.at(0, 182), 0xFF000000u);  // the black bar
    EXPECT_EQ(f.at(110, 200), 0xFF00FF00u);  // the Up arrow
    EXPECT_EQ(f.at(2, 300), 0xFF0000FFu);    // the Calendar button
    expectRect(phone.joypad.directionHits[padUp], 103, 187, 136, 220);
}

TEST(JoypadImages, ShippedImagesHaveTheLayoutSizes) {
    Phone large, small;
    ASSERT_TRUE(loadJoypadImages(large, ORB_PROGRAM_FOLDER, true));
    EXPECT_EQ(large.joypad.images.pad.width, 150);
    EXPECT_EQ(large.joypad.images.pad.height, 300);
    EXPECT_EQ(large.joypad.images.buttons.width, 87);
    EXPECT_EQ(large.joypad.images.buttons.height, 10 * 81);  // cells 4..13
    ASSERT_TRUE(loadJoypadImages(small, ORB_PROGRAM_FOLDER, false));
    EXPECT_EQ(small.joypad.images.pad.width, 100);
    EXPECT_EQ(small.joypad.images.pad.height, 200);
    EXPECT_EQ(small.joypad.images.buttons.width, 58);
    EXPECT_EQ(small.joypad.images.buttons.height, 14 * 54);  // cells 0..13
    Phone none;
    EXPECT_FALSE(loadJoypadImages(none, "/nonexistent/", true));
    EXPECT_FALSE(none.joypad.imagesLoaded);
}
