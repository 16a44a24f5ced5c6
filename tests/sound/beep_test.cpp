#include "note_table.h"
#include "sound.h"
#include "square_wave.h"

#include "recording_backend.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Log = std::vector<std::string>;

TEST(NoteTable, IsEqualTemperedFromA440ExceptTwoEntries) {
    for (int i = 0; i < int(noteTable.size()); ++i) {
        if (i == 7 || i == 30) continue;
        const double hz = 440.0 * std::pow(2.0, (i + 12 - 69) / 12.0);
        EXPECT_EQ(noteTable[i], int(std::lround(hz))) << "entry " << i;
    }
    EXPECT_EQ(noteTable[0], 16);
    EXPECT_EQ(noteTable[7], 25);
    EXPECT_EQ(noteTable[30], 93);
    EXPECT_EQ(noteTable[57], 440);
    EXPECT_EQ(noteTable[107], 7902);
}

TEST(SquareWave, HalfPeriodsOfMinusThenPlusAmplitude) {
    const SquareWave wave = squareWave(440);
    // 44100 div 880 = 50 samples per half; 2 * 440 * 50 = 44000 samples a second.
    ASSERT_EQ(wave.period.size(), 100u);
    EXPECT_EQ(wave.samplesPerSecond, 44000);
    for (int k = 0; k < 50; ++k) EXPECT_EQ(wave.period[k], -3276);
    for (int k = 50; k < 100; ++k) EXPECT_EQ(wave.period[k], 3276);
}

TEST(SquareWave, RateCorrectsTheRoundedPeriod) {
    // 44100 div 186 = 237; 2 * 93 * 237 = 44082.
    EXPECT_EQ(squareWave(93).period.size(), 474u);
    EXPECT_EQ(squareWave(93).samplesPerSecond, 44082);
    // 44100 div 65534 = 0, raised to 1.
    EXPECT_EQ(squareWave(32767).period, (std::vector<std::int16_t>{-3276, 3276}));
    EXPECT_EQ(squareWave(32767).samplesPerSecond, 65534);
}

class Beep : public testing::Test {
protected:
    RecordingBackend device;
    SystemClock clock;
    Sound sound{device, clock};
    void SetUp() override {
        startSound(sound);
        device.take();
    }
};

TEST_F(Beep, A4PlaysFourHundredForty) {
    EXPECT_EQ(beep(sound, 69, 200), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"tone 100 samples at 44000 Hz for 200 ms"}));
    EXPECT_EQ(device.lastTone, squareWave(440).period);
}

TEST_F(Beep, LowNotesAreRaisedToThirtySevenHertz) {
    // Note 12 is 16 Hz: played at 37 Hz, 44100 div 74 = 595, 2 * 37 * 595 = 44030.
    EXPECT_EQ(beep(sound, 12, 1), std::nullopt);
    // Note 119 is 7902 Hz: 44100 div 15804 = 2, 2 * 7902 * 2 = 31608.
    EXPECT_EQ(beep(sound, 119, 50), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"tone 1190 samples at 44030 Hz for 1 ms", "tone 4 samples at 31608 Hz for 50 ms"}));
}

TEST_F(Beep, NotesOutsideTheTablePlayNothing) {
    EXPECT_EQ(beep(sound, 11, 200), std::nullopt);
    EXPECT_EQ(beep(sound, 120, 200), std::nullopt);
    EXPECT_EQ(beep(sound, -100000, 200), std::nullopt);
    EXPECT_TRUE(device.take().empty());
}

TEST_F(Beep, DurationBelowOneIsOutOfRangeWhateverTheNote) {
    EXPECT_EQ(beep(sound, 69, 0), RunError::OutOfRange);
    EXPECT_EQ(beep(sound, 11, -1), RunError::OutOfRange);
    EXPECT_TRUE(device.take().empty());
}

}  // namespace
