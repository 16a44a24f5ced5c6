// Our deflate compressor: turns one archive entry into a raw deflate stream
// (RFC 1951, no zlib or gzip wrapper). Input is pulled through a read callback
// and output pushed through a write callback. One state serves every entry of
// an archive in turn; it is large, so keep it on the heap.
#pragma once

#include "deflate_errors.h"
#include "deflate_strong.h"
#include "deflate_tables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

struct DeflateIo {
    // Fills up to size bytes and returns how many; 0 marks the end of the data.
    std::function<size_t(uint8_t* buffer, size_t size)> read;
    // Takes all the bytes or returns false.
    std::function<bool(const uint8_t* data, size_t size)> write;
};

// Symbols a block may collect before it is coded; larger blocks measured
// slightly smaller output than 16384 on text, classes and images.
inline constexpr int symbolBufferSize = 32768;
inline constexpr int outputBufferSize = 16384;
// The match compare reads whole words and may run past the data; it stays in here.
inline constexpr int windowPadding = maxMatch + 8;

struct HuffmanNode {
    uint32_t frequency = 0;
    uint16_t code = 0;
    uint16_t length = 0;
    uint16_t parent = 0;
    uint8_t depth = 0;
};

inline constexpr int literalTreeNodes = 2 * literalLengthCodes + 1;

struct Deflater {
    // Results of the entry, for the archive writer.
    DeflateError error = DeflateError::None;
    bool outputFailed = false;    // the write callback refused bytes
    uint16_t generalFlags = 0;    // ZIP general purpose flag bits for the compression level
    uint16_t internalAttributes = 0;  // 1 when the first block looked like text
    uint64_t bytesRead = 0;
    uint32_t crc = 0;             // of the bytes read
    uint64_t bytesWritten = 0;

    DeflateIo io;
    PackLevel params{};
    bool lazy = false;    // levels 4 to 8
    bool strong = false;  // the strong level
    StrongState strongState;  // allocated on its first entry

    // Match finder.
    std::array<uint8_t, windowBufferSize + windowPadding> window{};
    std::array<uint16_t, hashSize> head{};        // newest position of each four-byte hash, 0 for none
    std::array<uint16_t, windowSize> prev{};      // older position with the same four-byte hash
    std::array<uint16_t, hashSize> tripleHead{};  // newest position of each three-byte hash
    int scanPosition = 0;     // next byte to code
    int lookahead = 0;        // valid bytes from scanPosition on
    long blockStart = 0;      // window position where the current block began; below 0 once slid away
    int matchStart = 0;
    int previousLength = 0;   // lazy levels: length of the match found one byte earlier
    bool endOfInput = false;

    // Block encoder.
    std::array<uint8_t, symbolBufferSize> symbolLiteral{};    // literal, or match length - 3
    std::array<uint16_t, symbolBufferSize> symbolDistance{};  // 0 for a literal
    int symbolCount = 0;
    int matchCount = 0;
    bool firstBlockCoded = false;
    std::array<HuffmanNode, literalTreeNodes> literalTree{};
    std::array<HuffmanNode, 2 * distanceCodes + 1> distanceTree{};
    std::array<HuffmanNode, 2 * bitLengthCodes + 1> bitLengthTree{};
    int literalMaxCode = 0;
    int distanceMaxCode = 0;
    std::array<uint16_t, maxCodeBits + 1> lengthCounts{};
    std::array<int, literalTreeNodes> heap{};
    int heapLength = 0;
    int heapMax = 0;
    uint64_t optimalBits = 0;  // size of the block with dynamic codes and their description
    uint64_t fixedBits = 0;    // size of the block with the fixed codes

    // Bit output.
    uint64_t bitBuffer = 0;
    int bitCount = 0;
    std::array<uint8_t, outputBufferSize + 8> output{};
    int outputUsed = 0;
};

// Prepares the state for a new entry at the given level (1 to 8, or
// strongPackLevel) and, below the strong level, reads the first window of
// data. A bad level is stored as an error.
void startEntry(Deflater& d, int level, DeflateIo io);

// Compresses the rest of the entry and returns the compressed size. Afterwards
// check d.error and d.outputFailed: either means the stream is unusable.
uint64_t compress(Deflater& d);

// Compresses a buffer in memory; false on an internal error.
bool deflateBuffer(Deflater& d, const uint8_t* data, size_t size, int level, std::vector<uint8_t>& out);
