#include "wave_file.h"

#include "test_files.h"
#include "wave_builder.h"

#include <gtest/gtest.h>

namespace {

TEST(WaveFile, ReadsPcm16MonoFormatAndData) {
    const Bytes data = samples16({100, -100, 32767, -32768});
    const auto wave = parseWave(pcmWave(1, 22050, 16, data));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.formatTag, 1);
    EXPECT_EQ(wave->format.channels, 1);
    EXPECT_EQ(wave->format.samplesPerSecond, 22050u);
    EXPECT_EQ(wave->format.bytesPerSecond, 44100u);
    EXPECT_EQ(wave->format.blockAlign, 2);
    EXPECT_EQ(wave->format.bitsPerSample, 16);
    EXPECT_TRUE(wave->format.extra.empty());
    EXPECT_EQ(wave->data, data);
}

TEST(WaveFile, ReadsPcm8StereoAndPcm16Stereo) {
    const Bytes bytes8 = {0x80, 0x7F, 0x00, 0xFF, 0x10, 0x20};
    const auto wave8 = parseWave(pcmWave(2, 8000, 8, bytes8));
    ASSERT_TRUE(wave8);
    EXPECT_EQ(wave8->format.channels, 2);
    EXPECT_EQ(wave8->format.bitsPerSample, 8);
    EXPECT_EQ(wave8->format.blockAlign, 2);
    EXPECT_EQ(wave8->format.bytesPerSecond, 16000u);
    EXPECT_EQ(wave8->data, bytes8);

    const Bytes bytes16 = samples16({1, 2, 3, 4, 5, 6});
    const auto wave16 = parseWave(pcmWave(2, 44100, 16, bytes16));
    ASSERT_TRUE(wave16);
    EXPECT_EQ(wave16->format.blockAlign, 4);
    EXPECT_EQ(wave16->format.bytesPerSecond, 176400u);
    EXPECT_EQ(wave16->data, bytes16);
}

TEST(WaveFile, NonPcmFormatKeepsItsExtraBytes) {
    Bytes fmt = formatRecord(2, 1, 22050, 4);
    putU16(fmt, 3);
    fmt.insert(fmt.end(), {0xAB, 0xCD, 0xEF});
    const auto wave = parseWave(riff({chunk("fmt ", fmt), chunk("data", {1, 2, 3, 4})}));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.formatTag, 2);
    EXPECT_EQ(wave->format.extra, (Bytes{0xAB, 0xCD, 0xEF}));
    EXPECT_EQ(wave->data, (Bytes{1, 2, 3, 4}));
}

TEST(WaveFile, NonPcmFormatOfSixteenBytesHasNoExtraBytes) {
    const auto wave = parseWave(riff({chunk("fmt ", formatRecord(3, 1, 44100, 32)), chunk("data", {0, 0, 0x80, 0x3F})}));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.formatTag, 3);
    EXPECT_TRUE(wave->format.extra.empty());
}

TEST(WaveFile, PcmFormatIgnoresBytesAfterTheRecord) {
    Bytes fmt = formatRecord(1, 1, 8000, 8);
    putU16(fmt, 0xFFFF);  // an extra size is never read for PCM
    const auto wave = parseWave(riff({chunk("fmt ", fmt), chunk("data", {1, 2})}));
    ASSERT_TRUE(wave);
    EXPECT_TRUE(wave->format.extra.empty());
}

TEST(WaveFile, SkipsOtherChunksWithPaddingAndFindsChunksInAnyOrder) {
    const Bytes data = {9, 8, 7, 6};
    const auto wave = parseWave(riff({chunk("LIST", {1, 2, 3}), chunk("data", data), chunk("fact", {0, 0, 0, 0}),
                                      chunk("fmt ", formatRecord(1, 1, 11025, 16))}));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.samplesPerSecond, 11025u);
    EXPECT_EQ(wave->data, data);
}

TEST(WaveFile, RejectsFilesThatAreNotRiffWave) {
    Bytes notRiff = pcmWave(1, 8000, 8, {1, 2});
    notRiff[3] = 'X';
    EXPECT_FALSE(parseWave(notRiff));
    Bytes notWave = pcmWave(1, 8000, 8, {1, 2});
    notWave[8] = 'A';
    notWave[9] = 'V';
    notWave[10] = 'I';
    notWave[11] = ' ';
    EXPECT_FALSE(parseWave(notWave));
    EXPECT_FALSE(parseWave(Bytes{}));
    EXPECT_FALSE(parseWave(Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V'}));
}

TEST(WaveFile, RejectsMissingOrShortFormatAndMissingData) {
    EXPECT_FALSE(parseWave(riff({chunk("data", {1, 2})})));
    EXPECT_FALSE(parseWave(riff({chunk("fmt ", formatRecord(1, 1, 8000, 8))})));
    Bytes shortFmt = formatRecord(1, 1, 8000, 8);
    shortFmt.resize(14);
    EXPECT_FALSE(parseWave(riff({chunk("fmt ", shortFmt), chunk("data", {1, 2})})));
}

TEST(WaveFile, RejectsExtraBytesBeyondTheFormatChunk) {
    Bytes fmt = formatRecord(2, 1, 22050, 4);
    putU16(fmt, 10);  // claims 10 extra bytes, holds 2
    fmt.insert(fmt.end(), {1, 2});
    EXPECT_FALSE(parseWave(riff({chunk("fmt ", fmt), chunk("data", {1, 2, 3, 4})})));
}

TEST(WaveFile, RejectsChunkSizesBeyondTheFile) {
    const Bytes fmt = chunk("fmt ", formatRecord(1, 1, 8000, 8));
    EXPECT_FALSE(parseWave(riff({fmt, chunk("data", {1, 2, 3, 4}, 5)})));
    EXPECT_FALSE(parseWave(riff({fmt, chunk("data", {1, 2, 3, 4}, 0xFFFFFFFF)})));
    EXPECT_FALSE(parseWave(riff({chunk("fmt ", formatRecord(1, 1, 8000, 8), 0xFFFFFFF0), chunk("data", {1, 2})})));
    EXPECT_FALSE(parseWave(riff({fmt, chunk("LIST", {1, 2}, 0xFFFFFFFE), chunk("data", {1, 2})})));
}

TEST(WaveFile, DataMustLieInsideTheRiffChunk) {
    const Bytes whole = pcmWave(1, 8000, 8, {1, 2, 3, 4});
    EXPECT_FALSE(parseWave(riff({chunk("fmt ", formatRecord(1, 1, 8000, 8)), chunk("data", {1, 2, 3, 4})},
                                std::int64_t(whole.size()) - 8 - 2)));
    // A RIFF size larger than the file is cut at the file's end.
    EXPECT_TRUE(parseWave(riff({chunk("fmt ", formatRecord(1, 1, 8000, 8)), chunk("data", {1, 2, 3, 4})}, 0x7FFFFFFF)));
}

TEST(WaveFile, EveryTruncationOfAGoodFileIsRejected) {
    Bytes fmt = formatRecord(2, 1, 22050, 4);
    putU16(fmt, 2);
    fmt.insert(fmt.end(), {5, 6});
    const Bytes whole = riff({chunk("fmt ", fmt), chunk("data", samples16({1, 2, 3, 4, 5}))});
    ASSERT_TRUE(parseWave(whole));
    for (std::size_t length = 0; length < whole.size(); ++length)
        EXPECT_FALSE(parseWave(std::span(whole).first(length))) << "length " << length;
}

TEST(WaveFile, ReadsFromAFileAndFailsForAMissingOne) {
    const std::string path = testFile("reader.wav");
    writeFile(path, pcmWave(1, 8000, 8, {1, 2, 3}));
    const auto wave = readWaveFile(path);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->data, (Bytes{1, 2, 3}));
    EXPECT_FALSE(readWaveFile(testFile("no such file.wav")));
    EXPECT_FALSE(readWaveFile(testing::TempDir()));
}

}  // namespace
