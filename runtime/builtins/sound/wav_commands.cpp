// LoadWav, PlayWav, StopWav, FreeWav and WavVol on the 63 WAV slots.
#include "file_names.h"
#include "sound_device.h"

#include <algorithm>

namespace {

// 400 is full volume; each step of the value is a tenth of a decibel. Values
// above 400 would ask for gain, which the device cannot give: they play at full
// volume rather than being refused and leaving an older, quieter setting.
int hundredthsOfDecibel(int volumeValue) { return std::min(volumeValue * 10 - 4000, 0); }

bool inWavRange(int slot) { return slot >= 1 && slot <= wavSlotCount; }

// The checks every command on a loaded slot starts with.
SoundResult checkLoaded(const Sound& s, int slot) {
    if (!inWavRange(slot)) return RunError::OutOfRange;
    if (!s.wav[slot - 1].buffer) return RunError::WavNotLoaded;
    return std::nullopt;
}

void emptySlot(Sound& s, int slot) {
    WavSlot& w = s.wav[slot - 1];
    SoundBackend& device = activeDevice(s);
    device.stop(*w.buffer);
    device.releaseBuffer(*w.buffer);
    w = WavSlot{};
}

}  // namespace

SoundResult loadWav(Sound& s, std::string_view file, int slot, NameSource from) {
    if (!namesAFile(file)) return RunError::CannotLoadWav;
    if (from == NameSource::literal && !fileCanBeRead(file)) return RunError::FileNotFound;
    if (!inWavRange(slot)) return RunError::OutOfRange;
    if (from == NameSource::value && !fileCanBeRead(file)) return RunError::FileNotFound;
    if (s.wav[slot - 1].buffer) emptySlot(s, slot);

    const auto wave = readWaveFile(std::string(file));
    if (!wave) return RunError::CannotLoadWav;
    SoundBackend& device = activeDevice(s);
    const auto buffer = device.createBuffer(wave->format, wave->data);
    if (!buffer) return RunError::CannotLoadWav;
    WavSlot& w = s.wav[slot - 1];
    w.buffer = buffer;
    if (!device.setVolume(*buffer, hundredthsOfDecibel(w.volumeValue))) {
        emptySlot(s, slot);
        return RunError::CannotLoadWav;
    }
    return std::nullopt;
}

SoundResult playWav(Sound& s, int slot) {
    if (auto e = checkLoaded(s, slot)) return e;
    WavSlot& w = s.wav[slot - 1];
    SoundBackend& device = activeDevice(s);
    // Playing again restarts the sample from its beginning.
    const bool alreadyPlaying = device.isPlaying(*w.buffer);
    device.rewind(*w.buffer);
    if (!alreadyPlaying) {
        device.play(*w.buffer);
        w.playing = true;
    }
    return std::nullopt;
}

SoundResult stopWav(Sound& s, int slot) {
    if (auto e = checkLoaded(s, slot)) return e;
    WavSlot& w = s.wav[slot - 1];
    if (w.playing && activeDevice(s).stop(*w.buffer)) w.playing = false;
    return std::nullopt;
}

SoundResult freeWav(Sound& s, int slot) {
    if (auto e = checkLoaded(s, slot)) return e;
    emptySlot(s, slot);
    return std::nullopt;
}

SoundResult wavVol(Sound& s, int slot, int volume) {
    if (auto e = checkLoaded(s, slot)) return e;
    if (volume < 0 || volume > 100) return RunError::OutOfRange;
    WavSlot& w = s.wav[slot - 1];
    w.volumeValue = volume * 10;
    activeDevice(s).setVolume(*w.buffer, hundredthsOfDecibel(w.volumeValue));
    return std::nullopt;
}
