// WAV files: the format record and sample bytes of a RIFF/WAVE file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

inline constexpr std::uint16_t waveFormatPcm = 1;

struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint32_t bytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<std::uint8_t> extra;  // only non-PCM formats carry extra bytes
};

struct WaveFile {
    WaveFormat format;
    std::vector<std::uint8_t> data;  // the bytes of the "data" chunk
};

// Reads a whole RIFF/WAVE image; empty when it is malformed or truncated.
std::optional<WaveFile> parseWave(std::span<const std::uint8_t> bytes);

// Reads and parses a file; empty when it cannot be read or parsed.
std::optional<WaveFile> readWaveFile(const std::string& path);
