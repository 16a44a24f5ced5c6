// The strong level: whatever it is given, zlib's inflate gives it back, and it
// is never larger than level 8 on class files.
#include "archive_reader.h"
#include "corpus.h"
#include "deflate.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <zlib.h>

namespace {

class DeflateStrongTest : public ::testing::Test {
protected:
    std::unique_ptr<Deflater> d = std::make_unique<Deflater>();

    Bytes strong(const Bytes& input) {
        Bytes out;
        EXPECT_TRUE(deflateBuffer(*d, input.data(), input.size(), strongPackLevel, out));
        return out;
    }
    size_t levelEightSize(const Bytes& input) {
        Bytes out;
        deflateBuffer(*d, input.data(), input.size(), 8, out);
        return out.size();
    }
    void expectRoundTrip(const Bytes& input, const std::string& what) {
        const Bytes out = strong(input);
        EXPECT_EQ(inflateRaw(out), input) << what;
        EXPECT_EQ(d->crc, uint32_t(crc32(0, input.data(), uInt(input.size())))) << what;
        EXPECT_EQ(d->bytesRead, input.size()) << what;
        EXPECT_EQ(d->bytesWritten, out.size()) << what;
    }
};

Bytes repeated(const Bytes& pattern, size_t times) {
    Bytes out;
    for (size_t i = 0; i < times; ++i) out.insert(out.end(), pattern.begin(), pattern.end());
    return out;
}

TEST_F(DeflateStrongTest, EmptyInputIsOneFinalEmptyFixedBlock) {
    EXPECT_EQ(strong({}), (Bytes{0x03, 0x00}));
}

TEST_F(DeflateStrongTest, OneByteIsAFixedLiteral) {
    // As at level 8: header 1, 1, 0, then 'a' as the fixed code 10010001.
    EXPECT_EQ(strong({'a'}), (Bytes{0x4B, 0x04, 0x00}));
}

TEST_F(DeflateStrongTest, FlagBitsSayMaximumCompression) {
    strong(makeText(1000, 30));
    EXPECT_EQ(d->generalFlags, 2);
    EXPECT_EQ(d->internalAttributes, 1);
}

TEST_F(DeflateStrongTest, EveryKindOfDataRoundTrips) {
    expectRoundTrip(makeText(70000, 31), "text");
    expectRoundTrip(makeSource(50000, 32), "source");
    expectRoundTrip(makePng(100, 80, 33), "png");
    expectRoundTrip(makeRandom(40000, 34), "random");
    expectRoundTrip(makeClassFile(30000, 35), "class file");
    expectRoundTrip({0, 0}, "two bytes");
    expectRoundTrip({1, 2, 3}, "three bytes");
}

TEST_F(DeflateStrongTest, RunsAroundTheLongestMatchRoundTrip) {
    // A run is a literal and then matches of at most 258 bytes at distance 1:
    // about two bits a match, and a block head or two of under 20 bytes each.
    for (size_t size : {3, 4, 258, 259, 260, 261, 516, 517, 518, 519, 80000}) {
        expectRoundTrip(makeRun(size, 'x'), "run of " + std::to_string(size));
        EXPECT_LE(strong(makeRun(size, 'x')).size(), 40 + size / 258 / 4) << size;
    }
}

TEST_F(DeflateStrongTest, InputsBeyondTheWindowAndTheSegmentRoundTrip) {
    // A pattern repeated from nearly as far back as a match may reach: the
    // repeats cost at most three bytes per 258-byte match. Then inputs longer
    // than one segment of 65536 bytes, with some bytes beyond it.
    const Bytes far = repeated(makeRandom(32000, 36), 5);
    expectRoundTrip(far, "far repeats");
    EXPECT_LT(strong(far).size(), 32000u + 100u + 3 * (4 * 32000 / 258 + 1));
    for (size_t size : {65535, 65536, 65537, 65536 + 258, 65536 + 300, 200000})
        expectRoundTrip(makeText(size, 37), "text of " + std::to_string(size));
}

TEST_F(DeflateStrongTest, ReusedStateForgetsTheLastEntry) {
    const Bytes first = makeText(100000, 39);
    const Bytes second(first.begin() + 5000, first.begin() + 9000);
    strong(first);
    const Bytes again = strong(second);
    d = std::make_unique<Deflater>();
    EXPECT_EQ(again, strong(second));
    // Level 8 after the strong level is as level 8 on a fresh state.
    const size_t afterStrong = levelEightSize(second);
    d = std::make_unique<Deflater>();
    EXPECT_EQ(afterStrong, levelEightSize(second));
}

TEST_F(DeflateStrongTest, NeverLargerThanLevelEightOnClassFiles) {
    for (uint32_t seed = 40; seed < 44; ++seed) {
        for (size_t size : {2000, 15000, 62000}) {
            const Bytes input = makeClassFile(size, seed);
            EXPECT_LE(strong(input).size(), levelEightSize(input)) << size << " " << seed;
        }
    }
}

TEST_F(DeflateStrongTest, NeverLargerThanLevelEightOnThePhoneClasses) {
    const std::filesystem::path folder = ORB_PHONE_CLASS_FOLDER;
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no phone classes built";
    int classes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".class") continue;
        const Bytes input = readWholeFile(entry.path().string());
        const Bytes out = strong(input);
        EXPECT_EQ(inflateRaw(out), input) << entry.path();
        EXPECT_LE(out.size(), levelEightSize(input)) << entry.path();
        ++classes;
    }
    EXPECT_GT(classes, 0);
}

}  // namespace
