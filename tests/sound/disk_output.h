// Reading what SDL's "disk" audio driver wrote: the device opens 16-bit
// stereo at 44100 Hz, and the left channel tells what a listener would hear.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline constexpr int outputRate = 44100;

inline std::vector<std::int16_t> leftChannel(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> raw{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> left;
    for (std::size_t at = 0; at + 4 <= raw.size(); at += 4)
        left.push_back(std::int16_t(std::uint8_t(raw[at]) | std::uint8_t(raw[at + 1]) << 8));
    return left;
}

// A Beep as it was heard: how long it sounded, its frequency from the rising
// edges, and the share of samples at the tone's full amplitude of 3276.
struct Tone {
    double seconds = 0;
    double hertz = 0;
    double fullAmplitudeShare = 0;
};

inline Tone heardTone(const std::vector<std::int16_t>& left) {
    std::size_t first = left.size(), last = 0;
    for (std::size_t k = 0; k < left.size(); ++k)
        if (left[k] != 0) {
            first = std::min(first, k);
            last = k;
        }
    if (first >= last) return {};
    int risingEdges = 0, fullAmplitude = 0;
    for (std::size_t k = first; k <= last; ++k) {
        if (k > first && left[k - 1] < 0 && left[k] > 0) ++risingEdges;
        if (left[k] == 3276 || left[k] == -3276) ++fullAmplitude;
    }
    const double samples = double(last + 1 - first);
    return {samples / outputRate, risingEdges / (samples / outputRate), fullAmplitude / samples};
}
