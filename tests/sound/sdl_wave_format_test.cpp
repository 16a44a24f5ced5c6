#include "sdl_wave_format.h"

#include <gtest/gtest.h>

namespace {

WaveFormat format(std::uint16_t tag, std::uint16_t channels, std::uint16_t bits) {
    WaveFormat f;
    f.formatTag = tag;
    f.channels = channels;
    f.samplesPerSecond = 22050;
    f.blockAlign = std::uint16_t(channels * bits / 8);
    f.bytesPerSecond = f.samplesPerSecond * f.blockAlign;
    f.bitsPerSample = bits;
    return f;
}

TEST(SdlWaveFormat, PcmAndFloatSamplesMapToSdlFormats) {
    EXPECT_EQ(sdlSampleFormat(format(1, 1, 8)), AUDIO_U8);
    EXPECT_EQ(sdlSampleFormat(format(1, 2, 16)), AUDIO_S16LSB);
    EXPECT_EQ(sdlSampleFormat(format(1, 2, 32)), AUDIO_S32LSB);
    EXPECT_EQ(sdlSampleFormat(format(3, 1, 32)), AUDIO_F32LSB);
}

TEST(SdlWaveFormat, ExtensibleFormatUsesItsSubFormat) {
    WaveFormat f = format(0xFFFE, 2, 16);
    f.extra = {16, 0, 3, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
    EXPECT_EQ(sdlSampleFormat(f), AUDIO_S16LSB);
    f.extra.resize(8);
    EXPECT_EQ(sdlSampleFormat(f), std::nullopt);
}

TEST(SdlWaveFormat, RefusesWhatTheDeviceCannotPlay) {
    EXPECT_EQ(sdlSampleFormat(format(2, 1, 4)), std::nullopt);
    EXPECT_EQ(sdlSampleFormat(format(1, 1, 12)), std::nullopt);
    EXPECT_EQ(sdlSampleFormat(format(1, 0, 16)), std::nullopt);
    EXPECT_EQ(sdlSampleFormat(format(1, 8, 16)), AUDIO_S16LSB);
    EXPECT_EQ(sdlSampleFormat(format(1, 9, 16)), std::nullopt);
    WaveFormat badAlign = format(1, 2, 16);
    badAlign.blockAlign = 3;
    EXPECT_EQ(sdlSampleFormat(badAlign), std::nullopt);
    WaveFormat noRate = format(1, 1, 16);
    noRate.samplesPerSecond = 0;
    EXPECT_EQ(sdlSampleFormat(noRate), std::nullopt);
}

}  // namespace
