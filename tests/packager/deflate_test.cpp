// The compressor on its own: exact bits of tiny streams, the block kinds, the
// text guess and flag bits, the checks, and round trips through zlib's inflate.
#include "archive_reader.h"
#include "corpus.h"
#include "crc32.h"
#include "deflate.h"

#include <gtest/gtest.h>
#include <memory>
#include <zlib.h>

namespace {

struct Compressed {
    Bytes bytes;
    bool ok;
    uint16_t internalAttributes;
    uint16_t flags;
};

Compressed deflateAt(Deflater& d, const Bytes& input, int level) {
    Compressed c;
    c.ok = deflateBuffer(d, input.data(), input.size(), level, c.bytes);
    c.internalAttributes = d.internalAttributes;
    c.flags = d.generalFlags;
    return c;
}

// The first block's type from its header bits: 0 stored, 1 fixed, 2 dynamic.
int firstBlockType(const Bytes& stream) { return (stream.at(0) >> 1) & 3; }

class DeflateTest : public ::testing::Test {
protected:
    std::unique_ptr<Deflater> d = std::make_unique<Deflater>();
};

TEST(Crc32, MatchesTheCheckValue) {
    const std::string s = "123456789";
    EXPECT_EQ(crc32Update(crc32Start, reinterpret_cast<const uint8_t*>(s.data()), s.size()), 0xCBF43926u);
}

TEST(Crc32, PiecesGiveTheSameAsTheWhole) {
    const Bytes data = makeRandom(1001, 1);
    const uint32_t whole = crc32Update(crc32Start, data.data(), data.size());
    uint32_t pieces = crc32Start;
    for (size_t at = 0; at < data.size(); at += 7)
        pieces = crc32Update(pieces, data.data() + at, std::min<size_t>(7, data.size() - at));
    EXPECT_EQ(pieces, whole);
    EXPECT_EQ(whole, uint32_t(crc32(0, data.data(), uInt(data.size()))));
}

TEST_F(DeflateTest, EmptyInputIsOneFinalEmptyFixedBlock) {
    // Final bit 1, type 01, end-of-block code 0000000: ten bits.
    const Compressed c = deflateAt(*d, {}, 8);
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.bytes, (Bytes{0x03, 0x00}));
    EXPECT_EQ(d->bytesRead, 0u);
    EXPECT_EQ(d->crc, 0u);
    EXPECT_EQ(d->bytesWritten, 2u);
}

TEST_F(DeflateTest, OneByteIsAFixedLiteral) {
    // 'a' = 0x61 has the fixed code 0x30 + 0x61 = 10010001 (8 bits), sent
    // highest bit first after the header bits 1, 1, 0; then seven zero bits.
    const Compressed c = deflateAt(*d, {'a'}, 8);
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.bytes, (Bytes{0x4B, 0x04, 0x00}));
}

TEST_F(DeflateTest, ARunBecomesTwoLiteralsAndAMatch) {
    // Ten 'a'. Position 0 marks an empty hash chain, so the first match starts
    // at position 2: literal, literal, then length 8 at distance 1. Length 8 is
    // code 262 (fixed code 0000110), distance 1 is code 0 (00000).
    const Compressed c = deflateAt(*d, Bytes(10, 'a'), 8);
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.bytes, (Bytes{0x4B, 0x4C, 0x84, 0x01, 0x00}));
    EXPECT_EQ(inflateRaw(c.bytes), Bytes(10, 'a'));
}

TEST_F(DeflateTest, BlockKindFollowsTheSmallestCoding) {
    EXPECT_EQ(firstBlockType(deflateAt(*d, makeRandom(5000, 1), 8).bytes), 0);
    const std::string shortText = "Hello, hello, phone!";
    EXPECT_EQ(firstBlockType(deflateAt(*d, Bytes(shortText.begin(), shortText.end()), 8).bytes), 1);
    EXPECT_EQ(firstBlockType(deflateAt(*d, makeText(20000, 2), 8).bytes), 2);
}

TEST_F(DeflateTest, IncompressibleDataGrowsOnlyByStoredBlockHeads) {
    const Bytes noise = makeRandom(200000, 3);
    const Compressed c = deflateAt(*d, noise, 8);
    ASSERT_TRUE(c.ok);
    // At most one 5-byte head per 16384 literals plus the last block's rounding.
    EXPECT_LE(c.bytes.size(), noise.size() + 5 * (noise.size() / 16384 + 2));
    EXPECT_EQ(inflateRaw(c.bytes), noise);
}

TEST_F(DeflateTest, TextGuessCountsPrintableAgainstBinaryBytes) {
    // Four text bytes (7..127) outweigh one binary byte (0..6, 128..255); three do not.
    EXPECT_EQ(deflateAt(*d, {'a', 'b', 'c', 'd', 0x01}, 8).internalAttributes, 1);
    EXPECT_EQ(deflateAt(*d, {'a', 'b', 'c', 0x01}, 8).internalAttributes, 0);
    EXPECT_EQ(deflateAt(*d, {7, 127, 'x', 'y', 6}, 8).internalAttributes, 1);
    EXPECT_EQ(deflateAt(*d, {7, 127, 'x', 128}, 8).internalAttributes, 0);
    EXPECT_EQ(deflateAt(*d, makeText(3000, 4), 8).internalAttributes, 1);
    EXPECT_EQ(deflateAt(*d, makePng(32, 32, 5), 8).internalAttributes, 0);
}

TEST_F(DeflateTest, FlagBitsTellTheLevel) {
    const Bytes text = makeText(1000, 6);
    EXPECT_EQ(deflateAt(*d, text, 8).flags, 2);
    EXPECT_EQ(deflateAt(*d, text, 1).flags, 4);
    EXPECT_EQ(deflateAt(*d, text, 2).flags, 4);
    for (int level = 3; level <= 7; ++level) EXPECT_EQ(deflateAt(*d, text, level).flags, 0) << level;
}

TEST_F(DeflateTest, LevelsOutsideOneToTheStrongLevelAreRefused) {
    for (int level : {0, strongPackLevel + 1, -1}) {
        const Compressed c = deflateAt(*d, makeText(100, 7), level);
        EXPECT_FALSE(c.ok);
        EXPECT_EQ(deflateErrorText(d->error), "bad pack level");
        EXPECT_TRUE(c.bytes.empty());
    }
    // The state recovers for the next entry.
    EXPECT_TRUE(deflateAt(*d, makeText(100, 7), 8).ok);
    EXPECT_EQ(d->error, DeflateError::None);
}

TEST_F(DeflateTest, EveryLevelRoundTripsEveryKindOfData) {
    const std::vector<Bytes> inputs = {makeText(70000, 8), makeSource(50000, 9), makePng(100, 80, 10),
                                       makeRandom(40000, 11), makeRun(80000, 0), makeClassFile(30000, 12)};
    for (int level = 1; level <= 8; ++level) {
        for (size_t i = 0; i < inputs.size(); ++i) {
            const Compressed c = deflateAt(*d, inputs[i], level);
            ASSERT_TRUE(c.ok) << "level " << level << " input " << i;
            EXPECT_EQ(inflateRaw(c.bytes), inputs[i]) << "level " << level << " input " << i;
            EXPECT_EQ(d->crc, uint32_t(crc32(0, inputs[i].data(), uInt(inputs[i].size()))));
            EXPECT_EQ(d->bytesRead, inputs[i].size());
            EXPECT_EQ(d->bytesWritten, c.bytes.size());
        }
    }
}

TEST_F(DeflateTest, MatchesAcrossTheSlidingWindowRoundTrip) {
    // A 30000-byte pattern repeated: matches reach back nearly a window's
    // width while the window slides by half several times.
    const Bytes pattern = makeRandom(30000, 13);
    Bytes input;
    for (int i = 0; i < 10; ++i) input.insert(input.end(), pattern.begin(), pattern.end());
    const Compressed c = deflateAt(*d, input, 8);
    ASSERT_TRUE(c.ok);
    EXPECT_LT(c.bytes.size(), pattern.size() + pattern.size() / 10);
    EXPECT_EQ(inflateRaw(c.bytes), input);
}

TEST_F(DeflateTest, MatchesReachBack32506BytesAndNoFurther) {
    // A repeat 32506 bytes back is the farthest a match may reach; one byte
    // more and only stored blocks remain.
    for (size_t distance : {32506, 32507}) {
        const Bytes pattern = makeRandom(distance, 14);
        Bytes input = pattern;
        input.insert(input.end(), pattern.begin(), pattern.begin() + 1000);
        const Compressed c = deflateAt(*d, input, 8);
        ASSERT_TRUE(c.ok);
        if (distance == 32506) EXPECT_LT(c.bytes.size(), pattern.size() + 100);
        else EXPECT_GT(c.bytes.size(), input.size());
        EXPECT_EQ(inflateRaw(c.bytes), input);
    }
}

TEST_F(DeflateTest, ReusedStateForgetsTheLastEntry) {
    const Bytes first = makeText(100000, 15);
    const Bytes second(first.begin() + 5000, first.begin() + 9000);
    deflateAt(*d, first, 8);
    const Compressed again = deflateAt(*d, second, 8);
    const Compressed fresh = deflateAt(*std::make_unique<Deflater>(), second, 8);
    EXPECT_EQ(again.bytes, fresh.bytes);
    EXPECT_EQ(inflateRaw(again.bytes), second);
}

TEST_F(DeflateTest, SmallReadsGiveTheSameStream) {
    const Bytes input = makeSource(90000, 16);
    for (int level : {8, strongPackLevel}) {
        std::vector<uint8_t> whole;
        deflateBuffer(*d, input.data(), input.size(), level, whole);

        size_t position = 0;
        Bytes out;
        DeflateIo io;
        io.read = [&](uint8_t* buffer, size_t size) {
            size = std::min({size, size_t(777), input.size() - position});
            std::copy_n(input.begin() + long(position), size, buffer);
            position += size;
            return size;
        };
        io.write = [&](const uint8_t* data, size_t size) {
            out.insert(out.end(), data, data + size);
            return true;
        };
        startEntry(*d, level, std::move(io));
        EXPECT_EQ(compress(*d), whole.size()) << "level " << level;
        EXPECT_EQ(out, whole) << "level " << level;
    }
}

TEST_F(DeflateTest, OutputComesInBuffersOf16384AndAFailedWriteStopsTheEntry) {
    const Bytes input = makeRandom(100000, 17);
    std::vector<size_t> writes;
    DeflateIo io;
    size_t position = 0;
    io.read = [&](uint8_t* buffer, size_t size) {
        size = std::min(size, input.size() - position);
        std::copy_n(input.begin() + long(position), size, buffer);
        position += size;
        return size;
    };
    io.write = [&](const uint8_t*, size_t size) {
        writes.push_back(size);
        return writes.size() < 2;
    };
    startEntry(*d, 8, std::move(io));
    compress(*d);
    EXPECT_TRUE(d->outputFailed);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_GE(writes[0], 16384u);
    EXPECT_LE(writes[0], 16384u + 4);
    EXPECT_LT(position, input.size());  // it stopped reading early
}

TEST_F(DeflateTest, LevelEightIsWithinHalfAPercentOfZlibBest) {
    const Bytes input = makeText(300000, 18);
    const Compressed ours = deflateAt(*d, input, 8);
    z_stream s{};
    deflateInit2(&s, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    Bytes theirs(deflateBound(&s, uLong(input.size())));
    s.next_in = const_cast<Bytef*>(input.data());
    s.avail_in = uInt(input.size());
    s.next_out = theirs.data();
    s.avail_out = uInt(theirs.size());
    deflate(&s, Z_FINISH);
    const size_t theirSize = s.total_out;
    deflateEnd(&s);
    EXPECT_LE(double(ours.bytes.size()), double(theirSize) * 1.005);
}

}  // namespace
