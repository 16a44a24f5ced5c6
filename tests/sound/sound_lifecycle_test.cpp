#include "sound.h"

#include "recording_backend.h"
#include "test_files.h"
#include "wave_builder.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

class SoundLifecycle : public testing::Test {
protected:
    RecordingBackend device;
    SystemClock clock;
    Sound sound{device, clock};
    std::string wave = testFile("lifecycle.wav");
    std::string song = testFile("lifecycle.mid");

    void SetUp() override {
        writeFile(wave, pcmWave(1, 8000, 8, {1, 2}));
        writeFile(song, Bytes{'x'});
    }
    // WAV slots 1 (playing) and 3, MIDI slot 1 and MP3 slot 2.
    void loadSome() {
        ASSERT_TRUE(startSound(sound));
        loadWav(sound, wave, 1, NameSource::literal);
        loadWav(sound, wave, 3, NameSource::literal);
        playWav(sound, 1);
        loadMid(sound, song, 1, NameSource::literal);
        loadMp3(sound, song, 2, NameSource::literal);
        playMp3(sound, 2);
        device.take();
    }
};

TEST_F(SoundLifecycle, StartOpensTheDevice) {
    EXPECT_TRUE(startSound(sound));
    EXPECT_TRUE(sound.started);
    EXPECT_EQ(device.take(), (Log{"openDevice"}));
}

TEST_F(SoundLifecycle, ResetMusicSlotsClearsEveryMusicFlag) {
    loadSome();
    resetMusicSlots(sound);
    EXPECT_EQ(sound.midiLoaded, (std::array<bool, 8>{}));
    EXPECT_EQ(sound.mp3Loaded, (std::array<bool, 8>{}));
    EXPECT_FALSE(sound.musicReady);
    EXPECT_FALSE(sound.musicPlaying);
    EXPECT_TRUE(device.take().empty());
}

TEST_F(SoundLifecycle, ErrorScreenStopsWavsAndClosesMusic) {
    loadSome();
    stopAllSound(sound);
    EXPECT_EQ(device.take(), (Log{"stop 1", "stop midisong0", "close midisong0", "stop mp3song1", "close mp3song1"}));
    EXPECT_TRUE(sound.wav[0].buffer);
    EXPECT_FALSE(sound.wav[0].playing);
    EXPECT_FALSE(sound.midiLoaded[0]);
    EXPECT_FALSE(sound.mp3Loaded[1]);
    EXPECT_FALSE(sound.musicReady);
    EXPECT_FALSE(sound.musicPlaying);
}

TEST_F(SoundLifecycle, ShutdownFreesEverythingAndClosesTheDevice) {
    loadSome();
    releaseSound(sound);
    EXPECT_EQ(device.take(), (Log{"stop 1", "release 1", "stop 2", "release 2", "stop midisong0", "close midisong0",
                                  "stop mp3song1", "close mp3song1", "closeDevice"}));
    EXPECT_FALSE(sound.wav[0].buffer);
    EXPECT_FALSE(sound.wav[2].buffer);
    EXPECT_FALSE(sound.started);
}

TEST_F(SoundLifecycle, WithoutADeviceNothingReachesIt) {
    device.deviceAvailable = false;
    EXPECT_FALSE(startSound(sound));
    loadWav(sound, wave, 1, NameSource::literal);
    loadMid(sound, song, 1, NameSource::literal);
    EXPECT_EQ(beep(sound, 69, 1), std::nullopt);
    stopAllSound(sound);
    releaseSound(sound);
    EXPECT_EQ(device.take(), (Log{"openDevice"}));
}

}  // namespace
