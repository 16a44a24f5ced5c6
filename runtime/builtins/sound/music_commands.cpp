// LoadMid/LoadMp3, PlayMid/PlayMp3, StopMid/StopMp3, FreeMid/FreeMp3 and the
// position functions. MIDI and MP3 slots follow one set of rules and share the
// ready and playing flags; only their aliases and messages differ.
#include "file_names.h"
#include "sound_device.h"

#include <string>

namespace {

struct MusicKind {
    const char* aliasPrefix;
    RunError cannotLoad;
    RunError notLoaded;
    RunError cannotPlay;
    std::array<bool, musicSlotCount> Sound::*loaded;
};

constexpr MusicKind midi{"midisong", RunError::CannotLoadMidi, RunError::MidiNotLoaded, RunError::CannotPlayMidi,
                         &Sound::midiLoaded};
constexpr MusicKind mp3{"mp3song", RunError::CannotLoadMp3, RunError::Mp3NotLoaded, RunError::CannotPlayMp3,
                        &Sound::mp3Loaded};

// Slot 1 of MIDI is "midisong0", slot 8 of MP3 is "mp3song7".
std::string aliasOf(const MusicKind& kind, int slot) { return kind.aliasPrefix + std::to_string(slot - 1); }

bool inMusicRange(int slot) { return slot >= 1 && slot <= musicSlotCount; }
bool& loadedFlag(Sound& s, const MusicKind& kind, int slot) { return (s.*kind.loaded)[slot - 1]; }

SoundResult checkLoaded(Sound& s, const MusicKind& kind, int slot) {
    if (!inMusicRange(slot)) return RunError::OutOfRange;
    if (!loadedFlag(s, kind, slot)) return kind.notLoaded;
    return std::nullopt;
}

SoundResult loadMusic(Sound& s, const MusicKind& kind, std::string_view file, int slot, NameSource from) {
    if (!namesAFile(file)) return kind.cannotLoad;
    if (from == NameSource::literal && !fileCanBeRead(file)) return RunError::FileNotFound;
    if (!inMusicRange(slot)) return RunError::OutOfRange;
    SoundBackend& device = activeDevice(s);
    const std::string alias = aliasOf(kind, slot);
    if (from == NameSource::value) {
        if (loadedFlag(s, kind, slot)) device.stopMusic(alias);
        if (!fileCanBeRead(file)) return RunError::FileNotFound;
    }
    // A loaded slot's song is closed even when the ready flag is clear, or
    // its alias would stay taken and the new open would fail.
    if (s.musicReady || loadedFlag(s, kind, slot)) {
        device.stopMusic(alias);
        device.closeMusic(alias);
    }
    s.musicReady = false;
    s.musicPlaying = false;
    if (file.empty() || !device.openMusic(alias, file)) return kind.cannotLoad;
    s.musicReady = true;
    loadedFlag(s, kind, slot) = true;
    return std::nullopt;
}

SoundResult playMusic(Sound& s, const MusicKind& kind, int slot) {
    if (auto e = checkLoaded(s, kind, slot)) return e;
    if (!s.musicReady) return kind.cannotPlay;
    if (activeDevice(s).playMusicFromStart(aliasOf(kind, slot))) {
        s.musicPlaying = true;
        return std::nullopt;
    }
    s.musicReady = false;
    if (s.musicPlaying) return std::nullopt;
    return kind.cannotPlay;
}

// Stop and free act on the slot's own song whatever the shared ready flag
// says: a song left playing or open after StopMid or FreeMid could never be
// reached again.
SoundResult stopMusic(Sound& s, const MusicKind& kind, int slot) {
    if (auto e = checkLoaded(s, kind, slot)) return e;
    activeDevice(s).stopMusic(aliasOf(kind, slot));
    s.musicPlaying = false;
    return std::nullopt;
}

SoundResult freeMusic(Sound& s, const MusicKind& kind, int slot) {
    if (auto e = checkLoaded(s, kind, slot)) return e;
    SoundBackend& device = activeDevice(s);
    const std::string alias = aliasOf(kind, slot);
    device.stopMusic(alias);
    device.closeMusic(alias);
    s.musicReady = false;
    s.musicPlaying = false;
    loadedFlag(s, kind, slot) = false;
    return std::nullopt;
}

MusicPosition musicPosition(Sound& s, const MusicKind& kind, int slot) {
    if (auto e = checkLoaded(s, kind, slot)) return {0, e};
    if (!s.musicReady) return {};
    return {activeDevice(s).musicPosition(aliasOf(kind, slot)).value_or(0), std::nullopt};
}

}  // namespace

SoundResult loadMid(Sound& s, std::string_view file, int slot, NameSource from) { return loadMusic(s, midi, file, slot, from); }
SoundResult playMid(Sound& s, int slot) { return playMusic(s, midi, slot); }
SoundResult stopMid(Sound& s, int slot) { return stopMusic(s, midi, slot); }
SoundResult freeMid(Sound& s, int slot) { return freeMusic(s, midi, slot); }
MusicPosition getMidPosition(Sound& s, int slot) { return musicPosition(s, midi, slot); }

SoundResult loadMp3(Sound& s, std::string_view file, int slot, NameSource from) { return loadMusic(s, mp3, file, slot, from); }
SoundResult playMp3(Sound& s, int slot) { return playMusic(s, mp3, slot); }
SoundResult stopMp3(Sound& s, int slot) { return stopMusic(s, mp3, slot); }
SoundResult freeMp3(Sound& s, int slot) { return freeMusic(s, mp3, slot); }
MusicPosition getMp3Position(Sound& s, int slot) { return musicPosition(s, mp3, slot); }
