#include "sound.h"

#include "recording_backend.h"
#include "test_files.h"
#include "wave_builder.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

class WavCommands : public testing::Test {
protected:
    RecordingBackend device;
    SystemClock clock;
    Sound sound{device, clock};
    std::string good = testFile("good.wav");
    std::string other = testFile("other.wav");
    std::string broken = testFile("broken.wav");
    std::string missing = testFile("missing.wav");

    void SetUp() override {
        writeFile(good, pcmWave(1, 22050, 16, samples16({1, 2, 3, 4, 5, 6, 7, 8})));
        writeFile(other, pcmWave(2, 8000, 8, {1, 2, 3, 4}));
        writeFile(broken, Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0});
        ASSERT_TRUE(startSound(sound));
        device.take();
    }
    // Slot 1 loaded into buffer 1, with the log cleared.
    void loadSlot1() {
        ASSERT_EQ(loadWav(sound, good, 1, NameSource::literal), std::nullopt);
        device.take();
    }
};

// The C library would open the file before the NUL.
TEST_F(WavCommands, ANameWithANulCannotLoadAndOpensNothing) {
    for (NameSource from : {NameSource::literal, NameSource::value})
        EXPECT_EQ(loadWav(sound, good + std::string(1, '\0') + "x", 1, from), RunError::CannotLoadWav);
    EXPECT_TRUE(device.take().empty());
    EXPECT_FALSE(sound.wav[0].buffer);
}

TEST_F(WavCommands, LoadCreatesABufferOfTheFileAtFullVolume) {
    EXPECT_EQ(loadWav(sound, good, 1, NameSource::literal), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"createBuffer 1ch 22050Hz 16bit 16 bytes", "setVolume 1 0"}));
    EXPECT_EQ(sound.wav[0].buffer, 1);
    EXPECT_EQ(sound.wav[0].volumeValue, 400);
    EXPECT_FALSE(sound.wav[0].playing);
    EXPECT_EQ(loadWav(sound, other, 63, NameSource::value), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"createBuffer 2ch 8000Hz 8bit 4 bytes", "setVolume 2 0"}));
    EXPECT_EQ(sound.wav[62].buffer, 2);
}

TEST_F(WavCommands, LoadChecksTheSlotAndTheFile) {
    EXPECT_EQ(loadWav(sound, good, 0, NameSource::literal), RunError::OutOfRange);
    EXPECT_EQ(loadWav(sound, good, 64, NameSource::value), RunError::OutOfRange);
    EXPECT_EQ(loadWav(sound, missing, 1, NameSource::value), RunError::FileNotFound);
    EXPECT_EQ(loadWav(sound, missing, 1, NameSource::literal), RunError::FileNotFound);
    EXPECT_TRUE(device.take().empty());
}

TEST_F(WavCommands, LiteralNamesAreCheckedBeforeTheSlotAndValuesAfter) {
    EXPECT_EQ(loadWav(sound, missing, 64, NameSource::literal), RunError::FileNotFound);
    EXPECT_EQ(loadWav(sound, missing, 64, NameSource::value), RunError::OutOfRange);
}

TEST_F(WavCommands, LoadIntoALoadedSlotFreesItFirst) {
    loadSlot1();
    EXPECT_EQ(loadWav(sound, other, 1, NameSource::literal), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"stop 1", "release 1", "createBuffer 2ch 8000Hz 8bit 4 bytes", "setVolume 2 0"}));
    EXPECT_EQ(sound.wav[0].buffer, 2);
}

TEST_F(WavCommands, FailedLoadLeavesTheSlotEmpty) {
    loadSlot1();
    EXPECT_EQ(loadWav(sound, broken, 1, NameSource::literal), RunError::CannotLoadWav);
    EXPECT_EQ(device.take(), (Log{"stop 1", "release 1"}));
    EXPECT_FALSE(sound.wav[0].buffer);

    device.failing = {"createBuffer"};
    EXPECT_EQ(loadWav(sound, good, 2, NameSource::literal), RunError::CannotLoadWav);
    EXPECT_FALSE(sound.wav[1].buffer);

    device.failing = {"setVolume"};
    device.take();
    EXPECT_EQ(loadWav(sound, good, 3, NameSource::literal), RunError::CannotLoadWav);
    EXPECT_EQ(device.take(), (Log{"createBuffer 1ch 22050Hz 16bit 16 bytes", "setVolume 2 0", "stop 2", "release 2"}));
    EXPECT_FALSE(sound.wav[2].buffer);
}

TEST_F(WavCommands, AFolderIsNoWavFile) {
    EXPECT_EQ(loadWav(sound, testing::TempDir(), 1, NameSource::literal), RunError::CannotLoadWav);
    EXPECT_FALSE(sound.wav[0].buffer);
}

TEST_F(WavCommands, CommandsCheckTheSlotThenThatItIsLoaded) {
    for (int slot : {0, 64, -1}) {
        EXPECT_EQ(playWav(sound, slot), RunError::OutOfRange);
        EXPECT_EQ(stopWav(sound, slot), RunError::OutOfRange);
        EXPECT_EQ(freeWav(sound, slot), RunError::OutOfRange);
        EXPECT_EQ(wavVol(sound, slot, 50), RunError::OutOfRange);
    }
    EXPECT_EQ(playWav(sound, 5), RunError::WavNotLoaded);
    EXPECT_EQ(stopWav(sound, 5), RunError::WavNotLoaded);
    EXPECT_EQ(freeWav(sound, 5), RunError::WavNotLoaded);
    EXPECT_EQ(wavVol(sound, 5, 101), RunError::WavNotLoaded);
    EXPECT_TRUE(device.take().empty());
}

TEST_F(WavCommands, PlayRewindsAndStartsOnce) {
    loadSlot1();
    EXPECT_EQ(playWav(sound, 1), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"rewind 1", "play 1"}));
    EXPECT_TRUE(sound.wav[0].playing);
}

TEST_F(WavCommands, PlayWhilePlayingRestartsFromTheBeginning) {
    loadSlot1();
    playWav(sound, 1);
    device.take();
    EXPECT_EQ(playWav(sound, 1), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"rewind 1"}));
    EXPECT_TRUE(sound.wav[0].playing);
}

TEST_F(WavCommands, PlayAfterTheSoundEndedStartsItAgain) {
    loadSlot1();
    playWav(sound, 1);
    device.playingBuffers.clear();  // the sample has played to its end
    device.take();
    EXPECT_TRUE(sound.wav[0].playing);
    playWav(sound, 1);
    EXPECT_EQ(device.take(), (Log{"rewind 1", "play 1"}));
}

TEST_F(WavCommands, StopOnlyStopsAPlayingSlotAndClearsTheFlagOnSuccess) {
    loadSlot1();
    EXPECT_EQ(stopWav(sound, 1), std::nullopt);
    EXPECT_TRUE(device.take().empty());

    playWav(sound, 1);
    device.take();
    device.failing = {"stop"};
    EXPECT_EQ(stopWav(sound, 1), std::nullopt);
    EXPECT_TRUE(sound.wav[0].playing);
    device.failing.clear();
    EXPECT_EQ(stopWav(sound, 1), std::nullopt);
    EXPECT_FALSE(sound.wav[0].playing);
    EXPECT_EQ(device.take(), (Log{"stop 1", "stop 1"}));
}

TEST_F(WavCommands, FreeStopsReleasesAndEmptiesTheSlot) {
    loadSlot1();
    wavVol(sound, 1, 10);
    device.take();
    EXPECT_EQ(freeWav(sound, 1), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"stop 1", "release 1"}));
    EXPECT_FALSE(sound.wav[0].buffer);
    EXPECT_EQ(sound.wav[0].volumeValue, 400);
    EXPECT_EQ(playWav(sound, 1), RunError::WavNotLoaded);
}

TEST_F(WavCommands, VolumeIsAttenuationInTenthsOfADecibelFromForty) {
    loadSlot1();
    EXPECT_EQ(wavVol(sound, 1, 0), std::nullopt);
    EXPECT_EQ(wavVol(sound, 1, 20), std::nullopt);
    EXPECT_EQ(wavVol(sound, 1, 39), std::nullopt);
    EXPECT_EQ(wavVol(sound, 1, 40), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"setVolume 1 -4000", "setVolume 1 -2000", "setVolume 1 -100", "setVolume 1 0"}));
    EXPECT_EQ(sound.wav[0].volumeValue, 400);
}

TEST_F(WavCommands, VolumesAboveFortyAreFullVolume) {
    loadSlot1();
    wavVol(sound, 1, 20);
    device.take();
    EXPECT_EQ(wavVol(sound, 1, 41), std::nullopt);
    EXPECT_EQ(wavVol(sound, 1, 100), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"setVolume 1 0", "setVolume 1 0"}));
    EXPECT_EQ(sound.wav[0].volumeValue, 1000);
}

TEST_F(WavCommands, VolumeOutsideZeroToHundredIsOutOfRange) {
    loadSlot1();
    EXPECT_EQ(wavVol(sound, 1, 101), RunError::OutOfRange);
    EXPECT_EQ(wavVol(sound, 1, -1), RunError::OutOfRange);
    EXPECT_TRUE(device.take().empty());
    EXPECT_EQ(sound.wav[0].volumeValue, 400);
}

TEST(WavWithoutDevice, CommandsSucceedSilentlyButFilesAreStillChecked) {
    RecordingBackend device;
    device.deviceAvailable = false;
    SystemClock clock;
    Sound sound{device, clock};
    EXPECT_FALSE(startSound(sound));
    const std::string good = testFile("silent.wav");
    const std::string broken = testFile("silent-broken.wav");
    writeFile(good, pcmWave(1, 8000, 8, {1, 2}));
    writeFile(broken, Bytes{'R', 'I', 'F', 'F'});
    EXPECT_EQ(loadWav(sound, good, 1, NameSource::literal), std::nullopt);
    EXPECT_EQ(playWav(sound, 1), std::nullopt);
    EXPECT_EQ(wavVol(sound, 1, 10), std::nullopt);
    EXPECT_EQ(stopWav(sound, 1), std::nullopt);
    EXPECT_EQ(freeWav(sound, 1), std::nullopt);
    EXPECT_EQ(playWav(sound, 1), RunError::WavNotLoaded);
    EXPECT_EQ(loadWav(sound, broken, 2, NameSource::literal), RunError::CannotLoadWav);
    EXPECT_EQ(device.take(), (Log{"openDevice"}));
}

}  // namespace
