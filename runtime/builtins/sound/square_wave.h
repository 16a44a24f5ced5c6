// One period of the Beep square wave and the rate that plays it at a pitch.
#pragma once

#include <cstdint>
#include <vector>

struct SquareWave {
    std::vector<std::int16_t> period;  // count samples low, then count samples high
    int samplesPerSecond = 0;          // the rate at which one period lasts 1/frequency s
};

inline constexpr int beepBaseRate = 44100;
inline constexpr std::int16_t beepAmplitude = 3276;
inline constexpr int lowestBeepFrequency = 37;
inline constexpr int highestBeepFrequency = 32767;

// The period is sized for 44100 Hz, so its half-length count = 44100 div
// (2 * frequency) rounds down; the rate is then 2 * frequency * count, which
// corrects the rounding so the pitch is exact.
SquareWave squareWave(int frequency);
