#include "sound.h"

#include "recording_backend.h"
#include "test_files.h"
#include "wave_builder.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

class MusicCommands : public testing::Test {
protected:
    RecordingBackend device;
    SystemClock clock;
    Sound sound{device, clock};
    std::string song = testFile("song.mid");
    std::string other = testFile("other.mid");
    std::string tune = testFile("tune.mp3");
    std::string missing = testFile("missing.mid");

    void SetUp() override {
        // The device decides what a music file holds; these only need to exist.
        for (const auto& f : {song, other, tune}) writeFile(f, Bytes{'x'});
        ASSERT_TRUE(startSound(sound));
        device.take();
    }
};

// The C library would open the file before the NUL.
TEST_F(MusicCommands, ANameWithANulCannotLoadAndOpensNothing) {
    const std::string nul(1, '\0');
    for (NameSource from : {NameSource::literal, NameSource::value}) {
        EXPECT_EQ(loadMid(sound, song + nul + "x", 1, from), RunError::CannotLoadMidi);
        EXPECT_EQ(loadMp3(sound, tune + nul + "x", 1, from), RunError::CannotLoadMp3);
    }
    EXPECT_TRUE(device.take().empty());
}

TEST_F(MusicCommands, LoadOpensTheSlotsAlias) {
    EXPECT_EQ(loadMid(sound, song, 1, NameSource::literal), std::nullopt);
    EXPECT_EQ(loadMp3(sound, tune, 8, NameSource::literal), std::nullopt);
    // The second load finds the ready flag set and first closes its own alias.
    EXPECT_EQ(device.take(), (Log{"open midisong0 " + song, "stop mp3song7", "close mp3song7", "open mp3song7 " + tune}));
    EXPECT_TRUE(sound.midiLoaded[0]);
    EXPECT_TRUE(sound.mp3Loaded[7]);
    EXPECT_TRUE(sound.musicReady);
    EXPECT_FALSE(sound.musicPlaying);
}

TEST_F(MusicCommands, LoadChecksTheSlotAndTheFile) {
    EXPECT_EQ(loadMid(sound, song, 0, NameSource::literal), RunError::OutOfRange);
    EXPECT_EQ(loadMp3(sound, tune, 9, NameSource::value), RunError::OutOfRange);
    EXPECT_EQ(loadMid(sound, missing, 1, NameSource::literal), RunError::FileNotFound);
    EXPECT_EQ(loadMp3(sound, missing, 1, NameSource::value), RunError::FileNotFound);
    EXPECT_EQ(loadMid(sound, missing, 9, NameSource::literal), RunError::FileNotFound);
    EXPECT_EQ(loadMid(sound, missing, 9, NameSource::value), RunError::OutOfRange);
    EXPECT_TRUE(device.take().empty());
}

TEST_F(MusicCommands, FailedOpenClearsTheReadyFlagAndReportsPerKind) {
    loadMid(sound, song, 1, NameSource::literal);
    device.failing = {"openMusic"};
    EXPECT_EQ(loadMid(sound, song, 2, NameSource::literal), RunError::CannotLoadMidi);
    EXPECT_FALSE(sound.musicReady);
    EXPECT_FALSE(sound.midiLoaded[1]);
    EXPECT_EQ(loadMp3(sound, tune, 2, NameSource::literal), RunError::CannotLoadMp3);
    EXPECT_FALSE(sound.mp3Loaded[1]);
}

TEST_F(MusicCommands, LoadingIntoALoadedSlotClosesThePreviousSongFirst) {
    loadMid(sound, song, 1, NameSource::literal);
    device.take();
    EXPECT_EQ(loadMid(sound, other, 1, NameSource::literal), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"stop midisong0", "close midisong0", "open midisong0 " + other}));
}

TEST_F(MusicCommands, ComputedNameLoadStopsALoadedSlotBeforeCheckingTheFile) {
    loadMid(sound, song, 1, NameSource::literal);
    device.take();
    EXPECT_EQ(loadMid(sound, missing, 1, NameSource::value), RunError::FileNotFound);
    EXPECT_EQ(device.take(), (Log{"stop midisong0"}));
    EXPECT_EQ(loadMid(sound, other, 1, NameSource::value), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"stop midisong0", "stop midisong0", "close midisong0", "open midisong0 " + other}));
}

TEST_F(MusicCommands, LoadedSlotIsClosedEvenWhenTheReadyFlagIsClear) {
    loadMid(sound, song, 1, NameSource::literal);
    loadMid(sound, other, 2, NameSource::literal);
    freeMid(sound, 2);
    device.take();
    ASSERT_FALSE(sound.musicReady);
    EXPECT_EQ(loadMid(sound, other, 1, NameSource::literal), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"stop midisong0", "close midisong0", "open midisong0 " + other}));
}

TEST_F(MusicCommands, CommandsCheckTheSlotThenThatItIsLoaded) {
    for (int slot : {0, 9}) {
        EXPECT_EQ(playMid(sound, slot), RunError::OutOfRange);
        EXPECT_EQ(stopMp3(sound, slot), RunError::OutOfRange);
        EXPECT_EQ(freeMid(sound, slot), RunError::OutOfRange);
        EXPECT_EQ(getMp3Position(sound, slot).error, RunError::OutOfRange);
    }
    EXPECT_EQ(playMid(sound, 1), RunError::MidiNotLoaded);
    EXPECT_EQ(stopMid(sound, 1), RunError::MidiNotLoaded);
    EXPECT_EQ(freeMid(sound, 1), RunError::MidiNotLoaded);
    EXPECT_EQ(getMidPosition(sound, 1).error, RunError::MidiNotLoaded);
    EXPECT_EQ(playMp3(sound, 1), RunError::Mp3NotLoaded);
    EXPECT_EQ(stopMp3(sound, 1), RunError::Mp3NotLoaded);
    EXPECT_EQ(freeMp3(sound, 1), RunError::Mp3NotLoaded);
    EXPECT_EQ(getMp3Position(sound, 1).error, RunError::Mp3NotLoaded);
    // A MIDI slot does not make the MP3 slot of the same number loaded.
    loadMid(sound, song, 1, NameSource::literal);
    EXPECT_EQ(playMp3(sound, 1), RunError::Mp3NotLoaded);
}

TEST_F(MusicCommands, PlayAlwaysStartsFromZeroAndSetsThePlayingFlag) {
    loadMp3(sound, tune, 3, NameSource::literal);
    device.take();
    EXPECT_EQ(playMp3(sound, 3), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"play mp3song2 from 0"}));
    EXPECT_TRUE(sound.musicPlaying);
}

TEST_F(MusicCommands, FreeingOneSlotStopsPlayOfAnotherUntilTheNextOpen) {
    loadMid(sound, song, 1, NameSource::literal);
    loadMid(sound, other, 2, NameSource::literal);
    EXPECT_EQ(freeMid(sound, 2), std::nullopt);
    device.take();
    EXPECT_EQ(playMid(sound, 1), RunError::CannotPlayMidi);
    EXPECT_TRUE(device.take().empty());
    loadMp3(sound, tune, 1, NameSource::literal);
    EXPECT_EQ(playMid(sound, 1), std::nullopt);
}

TEST_F(MusicCommands, FailedPlayClearsReadyAndReportsOnlyWhenNothingWasPlaying) {
    loadMid(sound, song, 1, NameSource::literal);
    device.failing = {"playMusic"};
    EXPECT_EQ(playMid(sound, 1), RunError::CannotPlayMidi);
    EXPECT_FALSE(sound.musicReady);

    loadMp3(sound, tune, 1, NameSource::literal);
    device.failing.clear();
    playMp3(sound, 1);
    device.failing = {"playMusic"};
    EXPECT_EQ(playMp3(sound, 1), std::nullopt);
    EXPECT_FALSE(sound.musicReady);
    EXPECT_EQ(playMp3(sound, 1), RunError::CannotPlayMp3);
}

TEST_F(MusicCommands, StopSendsStopAndClearsThePlayingFlag) {
    loadMid(sound, song, 1, NameSource::literal);
    playMid(sound, 1);
    device.take();
    EXPECT_EQ(stopMid(sound, 1), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"stop midisong0"}));
    EXPECT_FALSE(sound.musicPlaying);
    EXPECT_TRUE(sound.musicReady);
    EXPECT_TRUE(sound.midiLoaded[0]);
}

TEST_F(MusicCommands, StopReachesThePlayingSongAfterAnotherSlotWasFreed) {
    loadMid(sound, song, 1, NameSource::literal);
    playMid(sound, 1);
    loadMp3(sound, tune, 1, NameSource::literal);
    freeMp3(sound, 1);
    device.take();
    EXPECT_EQ(stopMid(sound, 1), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"stop midisong0"}));
}

TEST_F(MusicCommands, FreeClosesTheSongAndClearsTheSharedFlags) {
    loadMid(sound, song, 4, NameSource::literal);
    playMid(sound, 4);
    device.take();
    EXPECT_EQ(freeMid(sound, 4), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"stop midisong3", "close midisong3"}));
    EXPECT_FALSE(sound.midiLoaded[3]);
    EXPECT_FALSE(sound.musicReady);
    EXPECT_FALSE(sound.musicPlaying);
    EXPECT_EQ(playMid(sound, 4), RunError::MidiNotLoaded);
}

TEST_F(MusicCommands, PositionAsksTheDeviceOnlyWhenReady) {
    loadMp3(sound, tune, 2, NameSource::literal);
    device.position = 12345;
    device.take();
    const MusicPosition p = getMp3Position(sound, 2);
    EXPECT_EQ(p.error, std::nullopt);
    EXPECT_EQ(p.milliseconds, 12345);
    EXPECT_EQ(device.take(), (Log{"position mp3song1"}));

    loadMid(sound, song, 1, NameSource::literal);
    freeMid(sound, 1);
    device.take();
    const MusicPosition notReady = getMp3Position(sound, 2);
    EXPECT_EQ(notReady.error, std::nullopt);
    EXPECT_EQ(notReady.milliseconds, 0);
    EXPECT_TRUE(device.take().empty());
}

TEST(MusicWithoutDevice, LoadAndPlaySucceedSilently) {
    RecordingBackend device;
    device.deviceAvailable = false;
    SystemClock clock;
    Sound sound{device, clock};
    startSound(sound);
    const std::string song = testFile("silent.mid");
    writeFile(song, Bytes{'x'});
    EXPECT_EQ(loadMid(sound, song, 1, NameSource::literal), std::nullopt);
    EXPECT_EQ(playMid(sound, 1), std::nullopt);
    EXPECT_EQ(getMidPosition(sound, 1).milliseconds, 0);
    EXPECT_EQ(freeMid(sound, 1), std::nullopt);
    EXPECT_EQ(device.take(), (Log{"openDevice"}));
}

}  // namespace
