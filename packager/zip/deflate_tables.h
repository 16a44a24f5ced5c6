// Fixed numbers of the deflate format (RFC 1951) and of our compressor: the
// window and hash geometry, the level table, and the code tables the block
// encoder looks lengths and distances up in. All of it is built at compile time.
#pragma once

#include <array>
#include <cstdint>

// Window: two 32768-byte halves; the upper half slides down when the scan
// position comes within a lookahead of the end.
inline constexpr int windowSize = 32768;
inline constexpr int windowMask = windowSize - 1;
inline constexpr int windowBufferSize = 2 * windowSize;
inline constexpr int minMatch = 3;
inline constexpr int maxMatch = 258;
// Enough lookahead for a full match plus the next hash: 258 + 3 + 1.
inline constexpr int minLookahead = maxMatch + minMatch + 1;
// A match may not reach into the half that is about to slide away.
inline constexpr int maxDistance = windowSize - minLookahead;
// Short matches far back usually cost more bits than the literals.
inline constexpr int tooFar = 4096;

// Hash chains link earlier positions whose next four bytes hash alike; a second
// table keeps only the newest position of each three-byte hash, the nearest
// candidate for a match of the minimum length. Chaining on four bytes lets the
// chain limit cover candidates that can beat a three-byte match.
inline constexpr int hashBits = 15;
inline constexpr int hashSize = 1 << hashBits;

static_assert(minMatch == 3, "Call UPDATE_HASH() MIN_MATCH-3 more times");
static_assert(hashBits >= 8 && maxMatch == 258, "Code too clever");

struct PackLevel {
    int goodLength;  // cut the chain search to a quarter once the previous match is this long
    int lazyMatch;   // lazy levels: look for a better match only below this length;
                     // greedy levels: insert the strings of matches up to this length
    int niceLength;  // stop the chain search at a match this long
    int maxChain;    // follow at most this many chain links
};

inline constexpr int lowestPackLevel = 1;
inline constexpr int highestPackLevel = 8;
inline constexpr int firstLazyLevel = 4;
// Beyond the table: an optimal parse instead of a match search per position,
// several times slower than level 8 and smaller; the phone package uses it.
inline constexpr int strongPackLevel = 9;

inline constexpr std::array<PackLevel, 9> packLevels = {{
    {0, 0, 0, 0},  // level 0 does not exist
    {4, 4, 8, 4},
    {4, 5, 16, 8},
    {4, 6, 32, 32},
    {4, 4, 16, 16},
    {8, 16, 32, 32},
    {8, 16, 128, 128},
    {8, 32, 128, 256},
    {32, 128, 258, 1024},
}};

// Alphabets of the block encoder.
inline constexpr int literalCount = 256;
inline constexpr int endOfBlock = 256;
inline constexpr int lengthCodeCount = 29;
inline constexpr int literalLengthCodes = literalCount + 1 + lengthCodeCount;  // 286
inline constexpr int distanceCodes = 30;
inline constexpr int bitLengthCodes = 19;
inline constexpr int maxCodeBits = 15;
inline constexpr int maxBitLengthBits = 7;
inline constexpr int repeatPrevious = 16;  // copy the previous length 3 to 6 times
inline constexpr int repeatZero3 = 17;     // 3 to 10 zero lengths
inline constexpr int repeatZero11 = 18;    // 11 to 138 zero lengths

inline constexpr std::array<uint8_t, lengthCodeCount> lengthExtraBits = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
inline constexpr std::array<uint8_t, distanceCodes> distanceExtraBits = {
    0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
inline constexpr std::array<uint8_t, bitLengthCodes> bitLengthExtraBits = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 3, 7};
// The order in which the bit-length code lengths are sent: likeliest used first.
inline constexpr std::array<uint8_t, bitLengthCodes> bitLengthOrder = {
    16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

struct LengthCodes {
    std::array<uint8_t, 256> codeOf{};  // match length - 3 -> length code 0..28
    std::array<uint16_t, lengthCodeCount> base{};
    int filled = 0;
};

constexpr LengthCodes makeLengthCodes() {
    LengthCodes t;
    int length = 0;
    for (int code = 0; code < lengthCodeCount - 1; ++code) {
        t.base[code] = uint16_t(length);
        for (int n = 0; n < (1 << lengthExtraBits[code]); ++n) t.codeOf[length++] = uint8_t(code);
    }
    t.filled = length;
    // Length 258 could be coded as 284 with all extra bits set, but has its own
    // code 285; it takes the last slot.
    t.codeOf[255] = lengthCodeCount - 1;
    t.base[lengthCodeCount - 1] = 255;
    return t;
}

inline constexpr LengthCodes lengthCodes = makeLengthCodes();
static_assert(lengthCodes.filled == 256, "ct_init: length != 256");

struct DistanceCodes {
    // Distances - 1 below 256 index directly; larger ones by (distance - 1) >> 7 + 256.
    std::array<uint8_t, 512> codeOf{};
    std::array<uint16_t, distanceCodes> base{};
    int filledLow = 0;
    int filledHigh = 0;
};

constexpr DistanceCodes makeDistanceCodes() {
    DistanceCodes t;
    int distance = 0;
    int code = 0;
    for (; code < 16; ++code) {
        t.base[code] = uint16_t(distance);
        for (int n = 0; n < (1 << distanceExtraBits[code]); ++n) t.codeOf[distance++] = uint8_t(code);
    }
    t.filledLow = distance;
    distance >>= 7;
    for (; code < distanceCodes; ++code) {
        t.base[code] = uint16_t(distance << 7);
        for (int n = 0; n < (1 << (distanceExtraBits[code] - 7)); ++n) t.codeOf[256 + distance++] = uint8_t(code);
    }
    t.filledHigh = 256 + distance;
    return t;
}

inline constexpr DistanceCodes distanceCodeTable = makeDistanceCodes();
static_assert(distanceCodeTable.filledLow == 256, "ct_init: dist != 256");
static_assert(distanceCodeTable.filledHigh == 512, "ct_init: 256+dist != 512");

// The distance code of a match distance minus one.
constexpr int distanceCode(int distanceMinusOne) {
    return distanceMinusOne < 256 ? distanceCodeTable.codeOf[distanceMinusOne]
                                  : distanceCodeTable.codeOf[256 + (distanceMinusOne >> 7)];
}

// Huffman codes go into the bit stream most significant bit first, while the
// stream is filled from the least significant bit, so codes are kept reversed.
constexpr uint16_t reverseBits(unsigned code, int length) {
    unsigned r = 0;
    for (int i = 0; i < length; ++i, code >>= 1) r = (r << 1) | (code & 1);
    return uint16_t(r);
}

struct CodeTable {
    std::array<uint16_t, 288> code{};
    std::array<uint8_t, 288> length{};
};

// Canonical codes for the given lengths; also used for the fixed codes.
constexpr void assignCanonicalCodes(const uint8_t* lengths, uint16_t* codes, int count,
                                    const uint16_t* lengthCounts) {
    std::array<unsigned, maxCodeBits + 1> next{};
    unsigned code = 0;
    for (int bits = 1; bits <= maxCodeBits; ++bits) {
        code = (code + lengthCounts[bits - 1]) << 1;
        next[bits] = code;
    }
    for (int n = 0; n < count; ++n)
        if (lengths[n] != 0) codes[n] = reverseBits(next[lengths[n]]++, lengths[n]);
}

constexpr CodeTable makeFixedLiteralCodes() {
    CodeTable t;
    std::array<uint16_t, maxCodeBits + 1> counts{};
    for (int n = 0; n < 288; ++n) {
        t.length[n] = n < 144 ? 8 : n < 256 ? 9 : n < 280 ? 7 : 8;
        ++counts[t.length[n]];
    }
    counts[0] = 0;
    assignCanonicalCodes(t.length.data(), t.code.data(), 288, counts.data());
    return t;
}

constexpr CodeTable makeFixedDistanceCodes() {
    CodeTable t;
    for (int n = 0; n < distanceCodes; ++n) {
        t.length[n] = 5;
        t.code[n] = reverseBits(unsigned(n), 5);
    }
    return t;
}

inline constexpr CodeTable fixedLiteralCodes = makeFixedLiteralCodes();
inline constexpr CodeTable fixedDistanceCodes = makeFixedDistanceCodes();
