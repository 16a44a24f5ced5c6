#include "sdl_sound_backend.h"

#include "sdl_wave_format.h"
#include "sound_font.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <numeric>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int requestedFrequency = 44100;
constexpr int requestedChannels = 2;
constexpr int mixBufferFrames = 1024;  // about 23 ms of latency
constexpr int quietestVolume = -10000;  // hundredths of a decibel
constexpr std::size_t largestBufferBytes = 0x0FFFFFFF;

// A tone buffer holds whole periods of the wave; when that would take more
// than this many seconds the loop is cut there and may click once per loop.
constexpr int longestToneLoopSeconds = 10;

// The sound libraries under SDL (ALSA, JACK) print their own complaints on
// standard error while a device opens or closes (no card, no server); they
// mean nothing to the user, whose terminal shows only our messages. Standard
// error points at /dev/null while one of these lives.
class QuietStandardError {
public:
    QuietStandardError() : saved_(dup(STDERR_FILENO)) {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
        if (null >= 0) close(null);
    }
    ~QuietStandardError() {
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_;
};

}  // namespace

SdlSoundBackend::~SdlSoundBackend() { closeDevice(); }

bool SdlSoundBackend::openDevice() {
    if (open) return true;
    const QuietStandardError quiet;
    // SDL's handlers would turn SIGINT and SIGTERM into a quit event that
    // nobody reads; the runtime handles them itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(requestedFrequency, AUDIO_S16SYS, requestedChannels, mixBufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_QuerySpec(&device.frequency, &device.format, &device.channels);
    Mix_AllocateChannels(channelCount);
    // Fonts named in SDL_SOUNDFONTS are the user's choice; SDL_mixer reads them
    // itself unless a font is set here.
    if (!SDL_getenv("SDL_SOUNDFONTS"))
        if (auto font = findSoundFont()) Mix_SetSoundFonts(font->c_str());
    open = true;
    return true;
}

void SdlSoundBackend::closeDevice() {
    if (!open) return;
    const QuietStandardError quiet;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (int id = 1; id < channelCount; ++id)
        if (buffers[id].chunk) releaseBuffer(id);
    for (auto& [alias, song] : songs) Mix_FreeMusic(song.music);
    songs.clear();
    currentSong.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open = false;
}

std::optional<std::vector<std::uint8_t>> SdlSoundBackend::toDeviceFormat(std::uint16_t format, int channels,
                                                                         int frequency,
                                                                         std::span<const std::uint8_t> samples) const {
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, format, std::uint8_t(channels), frequency, device.format,
                          std::uint8_t(device.channels), device.frequency) < 0)
        return std::nullopt;
    // SDL converts in place in a buffer of len_mult times the input, whose
    // length it counts in an int.
    const std::uint64_t workSize = std::uint64_t(samples.size()) * std::uint64_t(std::max(cvt.len_mult, 1));
    if (workSize > std::uint64_t(std::numeric_limits<int>::max())) return std::nullopt;
    try {
        std::vector<std::uint8_t> out(static_cast<std::size_t>(workSize));
        std::copy(samples.begin(), samples.end(), out.begin());
        if (cvt.needed) {
            cvt.buf = out.data();
            cvt.len = int(samples.size());
            if (SDL_ConvertAudio(&cvt) != 0) return std::nullopt;
            out.resize(std::size_t(cvt.len_cvt));
        }
        return out;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<SoundBufferId> SdlSoundBackend::createBuffer(const WaveFormat& format,
                                                           std::span<const std::uint8_t> data) {
    const auto sampleFormat = sdlSampleFormat(format);
    if (!open || !sampleFormat) return std::nullopt;
    // A trailing partial frame cannot be played; an empty buffer cannot be made,
    // nor one larger than a sound buffer may be.
    const std::size_t wholeFrames = data.size() - data.size() % format.blockAlign;
    if (wholeFrames == 0 || wholeFrames > largestBufferBytes) return std::nullopt;
    const auto unused = std::find_if(buffers.begin() + 1, buffers.end(), [](const Buffer& b) { return !b.chunk; });
    if (unused == buffers.end()) return std::nullopt;
    auto samples = toDeviceFormat(*sampleFormat, format.channels, int(format.samplesPerSecond), data.first(wholeFrames));
    if (!samples || samples->empty()) return std::nullopt;
    unused->samples = std::move(*samples);
    unused->chunk = Mix_QuickLoad_RAW(unused->samples.data(), std::uint32_t(unused->samples.size()));
    if (!unused->chunk) {
        unused->samples.clear();
        return std::nullopt;
    }
    return SoundBufferId(unused - buffers.begin());
}

SdlSoundBackend::Buffer* SdlSoundBackend::bufferAt(SoundBufferId id) {
    if (id < 1 || id >= channelCount || !buffers[id].chunk) return nullptr;
    return &buffers[id];
}

bool SdlSoundBackend::setVolume(SoundBufferId id, int hundredthsOfDecibel) {
    Buffer* b = bufferAt(id);
    if (!b || hundredthsOfDecibel > 0 || hundredthsOfDecibel < quietestVolume) return false;
    const double gain = std::pow(10.0, hundredthsOfDecibel / 2000.0);
    Mix_VolumeChunk(b->chunk, int(std::lround(gain * MIX_MAX_VOLUME)));
    return true;
}

bool SdlSoundBackend::isPlaying(SoundBufferId id) {
    Buffer* b = bufferAt(id);
    return b && Mix_Playing(id) && Mix_GetChunk(id) == b->chunk;
}

void SdlSoundBackend::rewind(SoundBufferId id) {
    // A chunk always starts from its beginning, so only a playing one needs restarting.
    if (isPlaying(id)) play(id);
}

void SdlSoundBackend::play(SoundBufferId id) {
    if (Buffer* b = bufferAt(id)) Mix_PlayChannel(id, b->chunk, 0);
}

bool SdlSoundBackend::stop(SoundBufferId id) {
    if (!bufferAt(id)) return false;
    Mix_HaltChannel(id);
    return true;
}

void SdlSoundBackend::releaseBuffer(SoundBufferId id) {
    Buffer* b = bufferAt(id);
    if (!b) return;
    Mix_HaltChannel(id);
    Mix_FreeChunk(b->chunk);
    *b = Buffer{};
}

SdlSoundBackend::Song* SdlSoundBackend::songOf(std::string_view alias) {
    auto it = songs.find(alias);
    return it == songs.end() ? nullptr : &it->second;
}

bool SdlSoundBackend::openMusic(std::string_view alias, std::string_view file) {
    // An alias in use must be closed first, as with any media device.
    if (!open || songOf(alias)) return false;
    Mix_Music* music = Mix_LoadMUS(std::string(file).c_str());
    if (!music) return false;
    songs.emplace(std::string(alias), Song{music, 0, 0});
    return true;
}

bool SdlSoundBackend::playMusicFromStart(std::string_view alias) {
    Song* song = songOf(alias);
    if (!song) return false;
    // The music stream plays one song: starting this one stops any other.
    if (!currentSong.empty() && currentSong != alias) stopMusic(std::string(currentSong));
    if (Mix_PlayMusic(song->music, 0) != 0) return false;
    song->startTicks = SDL_GetTicks();
    song->stoppedAt = 0;
    currentSong = alias;
    return true;
}

int SdlSoundBackend::positionOf(const Song& song, bool playingNow) const {
    if (!playingNow) return song.stoppedAt;
    // Decoders that cannot tell their position (MIDI) are timed by the clock.
    const double seconds = Mix_GetMusicPosition(song.music);
    if (seconds >= 0) return int(std::lround(seconds * 1000));
    return int(SDL_GetTicks() - song.startTicks);
}

bool SdlSoundBackend::stopMusic(std::string_view alias) {
    Song* song = songOf(alias);
    if (!song) return false;
    if (currentSong == alias) {
        song->stoppedAt = positionOf(*song, Mix_PlayingMusic());
        Mix_HaltMusic();
        currentSong.clear();
    }
    return true;
}

bool SdlSoundBackend::closeMusic(std::string_view alias) {
    Song* song = songOf(alias);
    if (!song) return false;
    if (currentSong == alias) {
        Mix_HaltMusic();
        currentSong.clear();
    }
    Mix_FreeMusic(song->music);
    songs.erase(songs.find(alias));
    return true;
}

std::optional<int> SdlSoundBackend::musicPosition(std::string_view alias) {
    Song* song = songOf(alias);
    if (!song) return std::nullopt;
    const bool playingNow = currentSong == alias && Mix_PlayingMusic();
    return positionOf(*song, playingNow);
}

void SdlSoundBackend::playTone(std::span<const std::int16_t> period, int samplesPerSecond, int ms, Clock& clock) {
    if (!open || period.empty() || samplesPerSecond <= 0) {
        clock.sleepMs(ms);
        return;
    }
    // The wave is resampled to the device rate by picking the nearest earlier
    // sample. After `loop` device frames a whole number of periods has passed,
    // so a chunk of that length repeats without a seam.
    const std::int64_t n = std::int64_t(period.size());
    const std::int64_t deviceRate = device.frequency;
    std::int64_t loop = deviceRate * n / std::gcd(std::int64_t(samplesPerSecond), deviceRate * n);
    loop = std::min(loop, deviceRate * longestToneLoopSeconds);
    std::vector<std::int16_t> mono(static_cast<std::size_t>(loop));
    for (std::int64_t k = 0; k < loop; ++k) mono[std::size_t(k)] = period[std::size_t(k * samplesPerSecond / deviceRate % n)];

    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(mono.data()), mono.size() * 2);
    auto samples = toDeviceFormat(AUDIO_S16SYS, 1, device.frequency, bytes);
    Mix_Chunk* chunk = samples ? Mix_QuickLoad_RAW(samples->data(), std::uint32_t(samples->size())) : nullptr;
    if (chunk) Mix_PlayChannel(toneChannel, chunk, -1);
    clock.sleepMs(ms);
    if (!chunk) return;
    Mix_HaltChannel(toneChannel);
    Mix_FreeChunk(chunk);
}
