#include "silent_backend.h"

namespace {

class SilentBackend final : public SoundBackend {
public:
    bool openDevice() override { return true; }
    void closeDevice() override {}
    std::optional<SoundBufferId> createBuffer(const WaveFormat&, std::span<const std::uint8_t>) override { return 0; }
    bool setVolume(SoundBufferId, int) override { return true; }
    bool isPlaying(SoundBufferId) override { return false; }
    void rewind(SoundBufferId) override {}
    void play(SoundBufferId) override {}
    bool stop(SoundBufferId) override { return true; }
    void releaseBuffer(SoundBufferId) override {}
    bool openMusic(std::string_view, std::string_view) override { return true; }
    bool playMusicFromStart(std::string_view) override { return true; }
    bool stopMusic(std::string_view) override { return true; }
    bool closeMusic(std::string_view) override { return true; }
    std::optional<int> musicPosition(std::string_view) override { return 0; }
    // A silent Beep still takes its time: programs use it to pace themselves.
    void playTone(std::span<const std::int16_t>, int, int ms, Clock& clock) override { clock.sleepMs(ms); }
};

}  // namespace

SoundBackend& silentBackend() {
    static SilentBackend silent;
    return silent;
}
