#include <gtest/gtest.h>

#include "phone/error_strip.h"
#include "phone/pump.h"
#include "phone/vibration.h"

TEST(PumpGate, LooksAtMostOncePerMillisecond) {
    PumpGate gate;
    EXPECT_TRUE(pumpDue(gate, 5));  // the first checkpoint always looks
    EXPECT_FALSE(pumpDue(gate, 5));
    EXPECT_TRUE(pumpDue(gate, 6));
    EXPECT_FALSE(pumpDue(gate, 6));
    EXPECT_TRUE(pumpDue(gate, 4000));
}

TEST(PhoneStep, UpdatesTiltAndReportsVibrationRepaints) {
    Phone phone;
    phone.tilt.windowActive = true;
    phone.tilt.sliders = {0, 50, 100};
    ASSERT_FALSE(vibrate(phone, 100, 0));
    EXPECT_FALSE(phoneStep(phone, 50));
    EXPECT_EQ(phone.tilt.values[0], -50);
    EXPECT_EQ(phone.tilt.values[2], 50);
    EXPECT_TRUE(phoneStep(phone, 101));
    EXPECT_FALSE(phone.vibration.vibrating);
}

TEST(ErrorStrip, ShowsTheMessageAndTheLineWithTheKeyPrompt) {
    const ErrorStripText text = errorStripText(RunError::DivideByZero, 12);
    EXPECT_EQ(text.message, " Error: Divide by zero");
    EXPECT_EQ(text.line, " Line 12         [Press any key]");
}

TEST(ErrorStrip, VibrationPictureFollowsTheFrame) {
    Phone phone;
    EXPECT_EQ(vibrationPicture(phone), "");
    ASSERT_FALSE(vibrate(phone, 1000, 0));
    EXPECT_EQ(vibrationPicture(phone), "background_vib1.bmp");
    vibrationStep(phone, 201);
    EXPECT_EQ(vibrationPicture(phone), "background_vib2.bmp");
}
