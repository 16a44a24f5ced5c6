// Calls the program fuzz target once crashed on.
#include "sound.h"

#include "recording_backend.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Beep with the lowest int as its note overflowed the subtraction that finds
// its table entry; the sanitizer build stopped there. It plays nothing.
TEST(SoundRegression, BeepOfTheLowestIntPlaysNothing) {
    RecordingBackend device;
    SystemClock clock;
    Sound sound{device, clock};
    startSound(sound);
    device.take();
    EXPECT_EQ(beep(sound, std::numeric_limits<int>::min(), 200), std::nullopt);
    EXPECT_EQ(beep(sound, std::numeric_limits<int>::max(), 200), std::nullopt);
    EXPECT_TRUE(device.take().empty());
}

}  // namespace
