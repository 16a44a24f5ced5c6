// The platform side of sound: a device with sample buffers, music opened under
// an alias, and looping tones. It knows nothing of slots, ranges or flags; the
// commands in sound.h decide what to call and what a failure means.
#pragma once

#include "wave_file.h"

#include "screen/clock.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

using SoundBufferId = int;

class SoundBackend {
public:
    virtual ~SoundBackend() = default;

    // Opens the sound device; false when there is none.
    virtual bool openDevice() = 0;
    // Stops everything still playing and releases the device.
    virtual void closeDevice() = 0;

    // A buffer holding a copy of the samples, playing once when started.
    virtual std::optional<SoundBufferId> createBuffer(const WaveFormat& format, std::span<const std::uint8_t> data) = 0;
    // Attenuation in hundredths of a decibel, -10000..0; anything else fails
    // and leaves the volume as it was.
    virtual bool setVolume(SoundBufferId buffer, int hundredthsOfDecibel) = 0;
    virtual bool isPlaying(SoundBufferId buffer) = 0;
    // Moves the play position to the start; a playing buffer keeps playing.
    virtual void rewind(SoundBufferId buffer) = 0;
    virtual void play(SoundBufferId buffer) = 0;
    virtual bool stop(SoundBufferId buffer) = 0;
    virtual void releaseBuffer(SoundBufferId buffer) = 0;

    // Music (MIDI or MP3) known by an alias such as "midisong0".
    virtual bool openMusic(std::string_view alias, std::string_view file) = 0;
    virtual bool playMusicFromStart(std::string_view alias) = 0;
    virtual bool stopMusic(std::string_view alias) = 0;
    virtual bool closeMusic(std::string_view alias) = 0;
    // The play position in milliseconds; empty when the alias cannot tell.
    virtual std::optional<int> musicPosition(std::string_view alias) = 0;

    // Loops one period of 16-bit mono samples at `samplesPerSecond` while the
    // clock lets `ms` milliseconds pass, and returns when it has stopped.
    virtual void playTone(std::span<const std::int16_t> period, int samplesPerSecond, int ms, Clock& clock) = 0;
};
