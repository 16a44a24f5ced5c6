// Sound for a running program: 63 WAV slots, 8 MIDI and 8 MP3 music slots and
// Beep tones. Each command takes its arguments as the program gave them
// (slots count from 1) and returns the error to report, if any.
#pragma once

#include "sound_backend.h"

#include "screen/clock.h"

#include "errors.h"

#include <array>
#include <optional>
#include <string_view>

inline constexpr int wavSlotCount = 63;
inline constexpr int musicSlotCount = 8;

// A WAV slot is loaded when it has a buffer.
struct WavSlot {
    std::optional<SoundBufferId> buffer;
    int volumeValue = 400;  // applied as volumeValue * 10 - 4000 hundredths of a dB
    bool playing = false;   // set by PlayWav, cleared by StopWav only
};

struct Sound {
    Sound(SoundBackend& device, Clock& clock) : device(device), clock(clock) {}

    SoundBackend& device;
    Clock& clock;  // a tone lasts while it lets the time pass
    bool started = false;  // without a device every command runs silently
    std::array<WavSlot, wavSlotCount> wav{};
    std::array<bool, musicSlotCount> midiLoaded{};
    std::array<bool, musicSlotCount> mp3Loaded{};
    // One ready and one playing flag shared by every MIDI and MP3 slot.
    bool musicReady = false;
    bool musicPlaying = false;
};

// Where a load's file name comes from: a literal in the statement (text codes
// z2, z3, z4, which check the file before the slot) or a string value
// (built-ins 164, 168, 171).
enum class NameSource { literal, value };

using SoundResult = std::optional<RunError>;

struct MusicPosition {
    int milliseconds = 0;
    SoundResult error;
};

// What start-up shows (caption "Error") when startSound finds no device.
inline constexpr std::string_view cannotActivateSoundMessage = "Cannot activate sound";

// Start-up: false when there is no sound device; the program then runs on silently.
bool startSound(Sound& s);
void resetMusicSlots(Sound& s);
// The error screen: stops every WAV and closes every music slot.
void stopAllSound(Sound& s);
// Shutdown: stops and frees everything and releases the device.
void releaseSound(Sound& s);

SoundResult loadWav(Sound& s, std::string_view file, int slot, NameSource from);
SoundResult playWav(Sound& s, int slot);
SoundResult stopWav(Sound& s, int slot);
SoundResult freeWav(Sound& s, int slot);
SoundResult wavVol(Sound& s, int slot, int volume);

SoundResult loadMid(Sound& s, std::string_view file, int slot, NameSource from);
SoundResult playMid(Sound& s, int slot);
SoundResult stopMid(Sound& s, int slot);
SoundResult freeMid(Sound& s, int slot);
MusicPosition getMidPosition(Sound& s, int slot);

SoundResult loadMp3(Sound& s, std::string_view file, int slot, NameSource from);
SoundResult playMp3(Sound& s, int slot);
SoundResult stopMp3(Sound& s, int slot);
SoundResult freeMp3(Sound& s, int slot);
MusicPosition getMp3Position(Sound& s, int slot);

// Blocks for `ms` milliseconds while the tone plays.
SoundResult beep(Sound& s, int note, int ms);
