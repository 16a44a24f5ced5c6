// Start-up, the error screen and shutdown.
#include "silent_backend.h"
#include "sound_device.h"

#include <cstdio>
#include <string>

SoundBackend& activeDevice(Sound& s) { return s.started ? s.device : silentBackend(); }

bool fileCanBeRead(std::string_view file) {
    std::FILE* f = std::fopen(std::string(file).c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

bool startSound(Sound& s) {
    s.started = s.device.openDevice();
    return s.started;
}

void resetMusicSlots(Sound& s) {
    s.midiLoaded = {};
    s.mp3Loaded = {};
    s.musicReady = false;
    s.musicPlaying = false;
}

namespace {

void closeMusicSlots(Sound& s) {
    for (int slot = 1; slot <= musicSlotCount; ++slot) {
        if (s.midiLoaded[slot - 1]) freeMid(s, slot);
        if (s.mp3Loaded[slot - 1]) freeMp3(s, slot);
    }
}

}  // namespace

void stopAllSound(Sound& s) {
    for (int slot = 1; slot <= wavSlotCount; ++slot)
        if (s.wav[slot - 1].buffer) stopWav(s, slot);
    closeMusicSlots(s);
}

void releaseSound(Sound& s) {
    for (int slot = 1; slot <= wavSlotCount; ++slot)
        if (s.wav[slot - 1].buffer) freeWav(s, slot);
    closeMusicSlots(s);
    if (s.started) s.device.closeDevice();
    s.started = false;
}
