// Sound through SDL's "disk" audio driver, which writes the mixed output to a
// file in real time: the written samples show what a listener would hear.
#include "sdl_sound_backend.h"
#include "sound.h"

#include "disk_output.h"
#include "test_files.h"
#include "wave_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

class DiskOutput : public testing::Test {
protected:
    SdlSoundBackend device;
    SystemClock clock;
    Sound sound{device, clock};
    std::string output;

    void SetUp() override {
        output = testFile("output.raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        ASSERT_TRUE(startSound(sound));
    }
};

TEST_F(DiskOutput, BeepA4IsA440HertzSquareWaveFor200Milliseconds) {
    ASSERT_EQ(beep(sound, 69, 200), std::nullopt);
    releaseSound(sound);

    const Tone tone = heardTone(leftChannel(output));
    // The disk driver paces its writes by sleeping, so on a busy machine the
    // written tone can gain or lose a few mix buffers of about 23 ms each.
    EXPECT_GE(tone.seconds, 0.120);
    EXPECT_LE(tone.seconds, 0.500);
    EXPECT_NEAR(tone.hertz, 440.0, 440.0 * 0.03);
    EXPECT_GT(tone.fullAmplitudeShare, 0.99);
}

TEST_F(DiskOutput, PlayedWavSamplesReachTheOutput) {
    // 100 ms of a pattern that silence and mixing cannot produce by chance.
    std::vector<std::int16_t> pattern;
    for (int k = 0; k < 4410; ++k) pattern.push_back(std::int16_t(k % 2 ? 1234 : -567));
    const std::string wave = testFile("disk.wav");
    writeFile(wave, pcmWave(1, outputRate, 16, samples16(pattern)));
    ASSERT_EQ(loadWav(sound, wave, 5, NameSource::value), std::nullopt);
    ASSERT_EQ(playWav(sound, 5), std::nullopt);
    EXPECT_TRUE(device.isPlaying(*sound.wav[4].buffer));
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_FALSE(device.isPlaying(*sound.wav[4].buffer));
    releaseSound(sound);

    const auto left = leftChannel(output);
    // SDL's format conversion goes through floats and may round a sample by one.
    const auto at = std::search(left.begin(), left.end(), pattern.begin(), pattern.end(),
                                [](int heard, int played) { return std::abs(heard - played) <= 1; });
    EXPECT_NE(at, left.end());
}

TEST_F(DiskOutput, PlayingAgainRestartsTheSample) {
    // Two seconds of a slow ramp, so that its first 10 ms occur nowhere else
    // in it, and so long that a late wake-up cannot let the first play end.
    std::vector<std::int16_t> ramp;
    for (int k = 0; k < 2 * outputRate; ++k) ramp.push_back(std::int16_t(k / 3 - 15000));
    const std::string wave = testFile("ramp.wav");
    writeFile(wave, pcmWave(1, outputRate, 16, samples16(ramp)));
    ASSERT_EQ(loadWav(sound, wave, 2, NameSource::literal), std::nullopt);
    playWav(sound, 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    playWav(sound, 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(2300));
    releaseSound(sound);

    const auto left = leftChannel(output);
    const auto near = [](int heard, int played) { return std::abs(heard - played) <= 1; };
    const std::vector<std::int16_t> start(ramp.begin(), ramp.begin() + 441);
    const auto first = std::search(left.begin(), left.end(), start.begin(), start.end(), near);
    ASSERT_NE(first, left.end());
    const auto second = std::search(first + 1, left.end(), start.begin(), start.end(), near);
    ASSERT_NE(second, left.end());
    // The second start cut the first play short, and then played to the end.
    EXPECT_LT(second - first, std::ptrdiff_t(ramp.size()));
    EXPECT_EQ(std::search(first, second, ramp.begin(), ramp.end(), near), second);
    EXPECT_NE(std::search(second, left.end(), ramp.begin(), ramp.end(), near), left.end());
}

TEST_F(DiskOutput, WavVolumeTwentyIsTwentyDecibelsDown) {
    const std::string wave = testFile("quiet.wav");
    writeFile(wave, pcmWave(1, outputRate, 16, samples16(std::vector<std::int16_t>(4410, 10000))));
    ASSERT_EQ(loadWav(sound, wave, 1, NameSource::literal), std::nullopt);
    ASSERT_EQ(wavVol(sound, 1, 20), std::nullopt);
    ASSERT_EQ(playWav(sound, 1), std::nullopt);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    releaseSound(sound);

    // -20 dB is a tenth: the mixer's volume 13 of 128 gives 10000 * 13 / 128.
    const auto left = leftChannel(output);
    EXPECT_EQ(std::count(left.begin(), left.end(), 1015), 4410);
}

// One track of one long note: middle C on a piano for two seconds.
Bytes midiFile() {
    const Bytes track = {0x00, 0xC0, 0x00,              // piano
                         0x00, 0x90, 60, 100,           // note on
                         0x83, 0x00, 0x80, 60, 0,       // 384 ticks later, note off
                         0x00, 0xFF, 0x2F, 0x00};       // end of track
    Bytes file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0, std::uint8_t(track.size())};
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

TEST_F(DiskOutput, MidiMusicIsSynthesisedAndItsPositionAdvances) {
    const std::string song = testFile("disk.mid");
    writeFile(song, midiFile());
    ASSERT_EQ(loadMid(sound, song, 2, NameSource::literal), std::nullopt);
    ASSERT_EQ(playMid(sound, 2), std::nullopt);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const MusicPosition p = getMidPosition(sound, 2);
    EXPECT_EQ(p.error, std::nullopt);
    EXPECT_GE(p.milliseconds, 200);
    EXPECT_LE(p.milliseconds, 2000);
    ASSERT_EQ(stopMid(sound, 2), std::nullopt);
    releaseSound(sound);

    const auto left = leftChannel(output);
    EXPECT_GT(std::count_if(left.begin(), left.end(), [](std::int16_t v) { return std::abs(v) > 100; }), 1000);
}

// Five seconds of silent MPEG-1 layer III frames: 128 kbit/s at 44100 Hz gives
// frames of 417 bytes, each a header and zero side information.
Bytes mp3File() {
    Bytes file;
    for (int frame = 0; frame < 192; ++frame) {
        const Bytes header = {0xFF, 0xFB, 0x90, 0x64};
        file.insert(file.end(), header.begin(), header.end());
        file.resize(file.size() + 417 - header.size());
    }
    return file;
}

TEST_F(DiskOutput, Mp3MusicPlaysAndItsPositionAdvances) {
    const std::string song = testFile("disk.mp3");
    writeFile(song, mp3File());
    ASSERT_EQ(loadMp3(sound, song, 3, NameSource::value), std::nullopt);
    ASSERT_EQ(playMp3(sound, 3), std::nullopt);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const MusicPosition p = getMp3Position(sound, 3);
    EXPECT_EQ(p.error, std::nullopt);
    EXPECT_GE(p.milliseconds, 150);
    EXPECT_LE(p.milliseconds, 2000);
    ASSERT_EQ(freeMp3(sound, 3), std::nullopt);
    releaseSound(sound);
}

TEST_F(DiskOutput, UnreadableMusicCannotBeLoaded) {
    const std::string junk = testFile("junk.mp3");
    writeFile(junk, Bytes(64, 'x'));
    EXPECT_EQ(loadMp3(sound, junk, 1, NameSource::literal), RunError::CannotLoadMp3);
}

TEST_F(DiskOutput, TheSoundExamplesAssetsLoadAndPlay) {
    const std::string folder = ORB_EXAMPLES_FOLDER "/sound/";
    EXPECT_EQ(loadWav(sound, folder + "boom.wav", 1, NameSource::literal), std::nullopt);
    EXPECT_EQ(loadMid(sound, folder + "tune.mid", 1, NameSource::literal), std::nullopt);
    EXPECT_EQ(playWav(sound, 1), std::nullopt);
    EXPECT_EQ(playMid(sound, 1), std::nullopt);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    releaseSound(sound);
}

TEST(NoSoundDevice, StartReportsFailureAndTheProgramRunsOnSilently) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlSoundBackend device;
    SystemClock clock;
    Sound sound{device, clock};
    EXPECT_FALSE(startSound(sound));
    EXPECT_EQ(beep(sound, 69, 10), std::nullopt);
    releaseSound(sound);
}

}  // namespace
