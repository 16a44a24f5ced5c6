#include <gtest/gtest.h>

#include "phone/tilt.h"
#include "phone/vibration.h"

TEST(Tilt, SlidersDraggedToTheEndsGiveMinusAndPlusFifty) {
    Phone phone;
    toggleTiltWindow(phone);
    EXPECT_TRUE(tiltPanelPress(phone.tilt, 100, 10));  // X band 4..23
    EXPECT_TRUE(tiltPanelMove(phone.tilt, 27));        // (27 - 33) / 2 = -3, limited to 0
    tiltPanelRelease(phone.tilt);
    EXPECT_TRUE(tiltPanelPress(phone.tilt, 247, 60));  // Z band 55..74: (247 - 33) / 2 = 107 -> 100
    tiltPanelRelease(phone.tilt);
    tiltStep(phone);
    EXPECT_EQ(phone.tilt.values[0], -50);
    EXPECT_EQ(phone.tilt.values[1], 0);
    EXPECT_EQ(phone.tilt.values[2], 50);
}

TEST(Tilt, MovesChangeOnlyThePickedSlider) {
    Tilt tilt;
    tiltPanelPress(tilt, 133, 35);  // Y: (133 - 33) / 2 = 50, unchanged
    EXPECT_TRUE(tiltPanelMove(tilt, 53));  // still Y, wherever the pointer goes: 10
    EXPECT_EQ(tilt.sliders[1], 10);
    EXPECT_EQ(tilt.sliders[0], 50);
    tiltPanelRelease(tilt);
    EXPECT_FALSE(tiltPanelMove(tilt, 200));
}

TEST(Tilt, PressesOutsideTheTrackOrBandsPickNothing) {
    Tilt tilt;
    EXPECT_FALSE(tiltPanelPress(tilt, 26, 10));
    EXPECT_FALSE(tiltPanelPress(tilt, 100, 26));  // between the X and Y bands
    EXPECT_EQ(tilt.dragging, -1);
}

TEST(Tilt, ValuesFollowOnlyWhileTheWindowIsActive) {
    Phone phone;
    setSlider(phone.tilt, 0, 80);
    tiltStep(phone);
    EXPECT_EQ(phone.tilt.values[0], 0);
    EXPECT_TRUE(toggleTiltWindow(phone));
    tiltStep(phone);
    EXPECT_EQ(phone.tilt.values[0], 30);
    EXPECT_FALSE(toggleTiltWindow(phone));
    setSlider(phone.tilt, 0, 0);
    tiltStep(phone);
    EXPECT_EQ(phone.tilt.values[0], 30);  // kept, no longer updated
    latchSensors(phone);
    EXPECT_EQ(phone.tilt.sensors[0], 30);
}

TEST(Tilt, KnobPosition) {
    EXPECT_EQ(sliderKnobX(0), 27);
    EXPECT_EQ(sliderKnobX(100), 227);
}

TEST(Vibration, FramesAlternateEveryTwoHundredMillisecondsUntilTheDurationPasses) {
    Phone phone;
    EXPECT_EQ(vibrate(phone, 0, 1000), RunError::OutOfRange);
    EXPECT_FALSE(phone.vibration.vibrating);
    ASSERT_FALSE(vibrate(phone, 500, 1000));
    EXPECT_FALSE(vibrationStep(phone, 1200));  // exactly 200: not more
    EXPECT_TRUE(vibrationStep(phone, 1201));
    EXPECT_EQ(phone.vibration.frame, 1);
    EXPECT_FALSE(vibrationStep(phone, 1300));
    EXPECT_TRUE(vibrationStep(phone, 1402));
    EXPECT_EQ(phone.vibration.frame, 0);
    EXPECT_TRUE(phone.vibration.vibrating);
    EXPECT_TRUE(vibrationStep(phone, 1501));
    EXPECT_FALSE(phone.vibration.vibrating);
    EXPECT_FALSE(vibrationStep(phone, 2000));
}
