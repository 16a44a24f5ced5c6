// Long waits look at the window between short slices and end when it says so.
#include "screen/clock.h"

#include <gtest/gtest.h>

namespace {

struct Watched : testing::Test {
    SystemClock clock;
    int looks = 0;
    int endAtLook = 0;  // 0: never
    void SetUp() override {
        clock.shouldEnd = [this] { return ++looks == endAtLook; };
    }
};

TEST_F(Watched, AWaitEndsAtTheFirstLookThatSaysSo) {
    endAtLook = 3;
    clock.sleepMs(600000);  // ten minutes unless the third look ends it
    EXPECT_EQ(looks, 3);
}

TEST_F(Watched, AWaitLooksAtLeastOncePerSlice) {
    clock.sleepMs(4 * longestWaitSliceMs);
    EXPECT_GE(looks, 1);  // late wake-ups may swallow slices, never add them
    EXPECT_LE(looks, 4);
}

TEST_F(Watched, NoWaitNoLook) {
    clock.sleepMs(0);
    clock.sleepMs(-5);
    EXPECT_EQ(looks, 0);
}

}  // namespace
