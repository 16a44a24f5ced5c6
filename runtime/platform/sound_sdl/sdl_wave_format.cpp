#include "sdl_wave_format.h"

namespace {

constexpr std::uint16_t waveFormatIeeeFloat = 3;
constexpr std::uint16_t waveFormatExtensible = 0xFFFE;
// In the extensible record's extra bytes: valid bits (2), channel mask (4),
// then the sub-format GUID, whose first two bytes are the real format tag.
constexpr std::size_t subFormatOffset = 6;
constexpr std::size_t extensibleExtraSize = 22;
constexpr std::uint16_t largestChannelCount = 8;  // 7.1 is the most SDL converts

std::optional<SDL_AudioFormat> sampleFormatOf(std::uint16_t tag, std::uint16_t bits) {
    if (tag == waveFormatPcm && bits == 8) return AUDIO_U8;
    if (tag == waveFormatPcm && bits == 16) return AUDIO_S16LSB;
    if (tag == waveFormatPcm && bits == 32) return AUDIO_S32LSB;
    if (tag == waveFormatIeeeFloat && bits == 32) return AUDIO_F32LSB;
    return std::nullopt;
}

}  // namespace

std::optional<SDL_AudioFormat> sdlSampleFormat(const WaveFormat& format) {
    if (format.channels == 0 || format.channels > largestChannelCount || format.samplesPerSecond == 0)
        return std::nullopt;
    if (format.blockAlign != format.channels * (format.bitsPerSample / 8)) return std::nullopt;
    std::uint16_t tag = format.formatTag;
    if (tag == waveFormatExtensible) {
        if (format.extra.size() < extensibleExtraSize) return std::nullopt;
        tag = std::uint16_t(format.extra[subFormatOffset] | format.extra[subFormatOffset + 1] << 8);
    }
    return sampleFormatOf(tag, format.bitsPerSample);
}
