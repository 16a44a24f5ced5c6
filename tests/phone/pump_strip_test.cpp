#include <gtest/gtest.h>

#include "phone/error_strip.h"
#include "phone/pump.h"
#include "phone/vibration.h"

namespace {
// A clock that stands still unless moved.
class StillClock final : public Clock {
public:
    uint32_t now = 0;
    int reads = 0;
    uint32_t realTimeMs() override {
        ++reads;
        return now;
    }
    void sleepMs(int) override {}
};
}  // namespace

TEST(PumpGate, ReadsTheClockEverySixteenStepsAndPumpsOncePerMillisecond) {
    StillClock clock;
    clock.now = 5;
    PumpGate gate;
    EXPECT_TRUE(pumpDue(gate, clock));  // the first step reads the clock
    for (int i = 0; i < 15; ++i) EXPECT_FALSE(pumpDue(gate, clock));
    EXPECT_EQ(clock.reads, 1);
    EXPECT_FALSE(pumpDue(gate, clock));  // read again: no time has passed
    EXPECT_EQ(clock.reads, 2);
    clock.now = 6;
    for (int i = 0; i < 15; ++i) EXPECT_FALSE(pumpDue(gate, clock));
    EXPECT_TRUE(pumpDue(gate, clock));
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
