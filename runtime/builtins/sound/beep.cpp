// Beep: a square wave at the pitch of a note, for a number of milliseconds.
#include "note_table.h"
#include "sound_device.h"
#include "square_wave.h"

#include <algorithm>
#include <cstdint>

SquareWave squareWave(int frequency) {
    const int count = std::max(1, beepBaseRate / (2 * frequency));
    SquareWave wave;
    wave.period.assign(2 * count, beepAmplitude);
    std::fill_n(wave.period.begin(), count, std::int16_t(-beepAmplitude));
    wave.samplesPerSecond = 2 * frequency * count;
    return wave;
}

SoundResult beep(Sound& s, int note, int ms) {
    if (ms < 1) return RunError::OutOfRange;
    // Notes outside the table play nothing and are no error. In 64 bits, so
    // that the lowest int does not overflow.
    const int64_t entry = int64_t{note} - firstBeepNote;
    if (entry < 0 || entry >= int64_t(noteTable.size())) return std::nullopt;
    const int frequency = std::clamp(noteTable[entry], lowestBeepFrequency, highestBeepFrequency);
    const SquareWave wave = squareWave(frequency);
    activeDevice(s).playTone(wave.period, wave.samplesPerSecond, ms, s.clock);
    return std::nullopt;
}
