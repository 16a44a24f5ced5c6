// The sound device through SDL2_mixer: each WAV buffer plays on a mixer channel
// of its own, music (MIDI through the sound font, MP3) plays on the mixer's
// music stream, and tones on channel 0.
#pragma once

#include "sound_backend.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

class SdlSoundBackend final : public SoundBackend {
public:
    SdlSoundBackend() = default;
    SdlSoundBackend(const SdlSoundBackend&) = delete;
    SdlSoundBackend& operator=(const SdlSoundBackend&) = delete;
    ~SdlSoundBackend() override;

    bool openDevice() override;
    void closeDevice() override;

    std::optional<SoundBufferId> createBuffer(const WaveFormat& format, std::span<const std::uint8_t> data) override;
    bool setVolume(SoundBufferId buffer, int hundredthsOfDecibel) override;
    bool isPlaying(SoundBufferId buffer) override;
    void rewind(SoundBufferId buffer) override;
    void play(SoundBufferId buffer) override;
    bool stop(SoundBufferId buffer) override;
    void releaseBuffer(SoundBufferId buffer) override;

    bool openMusic(std::string_view alias, std::string_view file) override;
    bool playMusicFromStart(std::string_view alias) override;
    bool stopMusic(std::string_view alias) override;
    bool closeMusic(std::string_view alias) override;
    std::optional<int> musicPosition(std::string_view alias) override;

    void playTone(std::span<const std::int16_t> period, int samplesPerSecond, int ms, Clock& clock) override;

private:
    // Samples in the device's format; the chunk points into them.
    struct Buffer {
        std::vector<std::uint8_t> samples;
        Mix_Chunk* chunk = nullptr;
    };
    struct Song {
        Mix_Music* music = nullptr;
        std::uint32_t startTicks = 0;  // when it was last played from the start
        int stoppedAt = 0;             // the position it was stopped at
    };
    struct DeviceFormat {
        int frequency = 0;
        std::uint16_t format = 0;
        int channels = 0;
    };

    // Channel 0 plays tones; buffer n plays on channel n.
    static constexpr int toneChannel = 0;
    static constexpr int channelCount = 64;

    std::optional<std::vector<std::uint8_t>> toDeviceFormat(std::uint16_t format, int channels, int frequency,
                                                            std::span<const std::uint8_t> samples) const;
    Buffer* bufferAt(SoundBufferId id);
    Song* songOf(std::string_view alias);
    int positionOf(const Song& song, bool playingNow) const;

    bool open = false;
    DeviceFormat device;
    std::array<Buffer, channelCount> buffers{};
    std::map<std::string, Song, std::less<>> songs;
    std::string currentSong;  // the alias on the music stream, if any
};
