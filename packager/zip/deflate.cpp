// The match finder: a sliding window over the input, hash chains of four-byte
// strings with a table of the newest three-byte ones, and greedy or lazy choice
// between literals and matches. The symbols go to the block encoder
// (deflate_blocks.cpp).
#include "deflate.h"

#include "deflate_blocks.h"
#include "deflate_entry.h"

#include <algorithm>
#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "the match compare reads words as little-endian");

namespace {

// The positions a search starts from: the newest with the same four-byte hash
// (the head of its chain) and the newest with the same three-byte hash.
struct Candidates {
    unsigned chain;
    unsigned triple;
};

// Multiplying by a large odd constant spreads the bytes over the top bits.
inline unsigned hashOf(uint32_t bytes) { return (bytes * 2654435761u) >> (32 - hashBits); }

// Enters the strings at pos into the tables and returns the candidates that
// were newest before it. Near the end of the data the hash takes in the zeroed
// bytes after it; a match is cut to the lookahead anyway.
inline Candidates insertString(Deflater& d, int pos) {
    uint32_t bytes;
    std::memcpy(&bytes, d.window.data() + pos, 4);
    const unsigned chainHash = hashOf(bytes);
    const unsigned tripleHash = hashOf(bytes & 0xFFFFFF);
    const Candidates c{d.head[chainHash], d.tripleHead[tripleHash]};
    d.prev[pos & windowMask] = uint16_t(c.chain);
    d.head[chainHash] = uint16_t(pos);
    d.tripleHead[tripleHash] = uint16_t(pos);
    return c;
}

// The oldest position a match at the scan position may start at; 0 ends every chain.
inline unsigned lowestCandidate(const Deflater& d) {
    return d.scanPosition > maxDistance ? unsigned(d.scanPosition - maxDistance) : 1;
}

// Zeroes the bytes after the data, which hashing and match compares read past
// the end, so that leftovers of an earlier entry cannot change the output.
void endInput(Deflater& d) {
    d.endOfInput = true;
    const auto end = d.window.begin() + d.scanPosition + d.lookahead;
    std::fill(end, std::min(end + windowPadding, d.window.end()), 0);
}

// Reads more input behind the lookahead, first sliding the window down by half
// when the scan position has reached the upper end.
void fillWindow(Deflater& d) {
    int more = windowBufferSize - d.lookahead - d.scanPosition;
    if (d.scanPosition >= windowSize + maxDistance) {
        std::memcpy(d.window.data(), d.window.data() + windowSize, windowSize);
        d.matchStart -= windowSize;
        d.scanPosition -= windowSize;
        d.blockStart -= windowSize;
        // Positions that slid out of the window become 0, the end of a chain.
        for (auto& h : d.head) h = h >= windowSize ? uint16_t(h - windowSize) : 0;
        for (auto& h : d.tripleHead) h = h >= windowSize ? uint16_t(h - windowSize) : 0;
        for (auto& p : d.prev) p = p >= windowSize ? uint16_t(p - windowSize) : 0;
        more += windowSize;
    }
    if (more < 2) {
        d.error = DeflateError::MoreLessThanTwo;
        return;
    }
    const size_t n = readInput(d, d.window.data() + d.scanPosition + d.lookahead, size_t(more));
    if (n == 0) endInput(d);
    d.lookahead += int(n);
}

void keepLookahead(Deflater& d) {
    while (d.lookahead < minLookahead && !d.endOfInput && running(d)) fillWindow(d);
}

inline uint64_t load64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
}

// Finds the longest match that beats previousLength, setting matchStart: first
// the nearest three-byte candidate, then the chain of four-byte candidates.
// The caller limits the result to the lookahead.
int longestMatch(Deflater& d, Candidates from) {
    if (d.lookahead < minLookahead && !d.endOfInput) {
        d.error = DeflateError::InsufficientLookahead;
        return 0;
    }
    if (from.chain >= unsigned(d.scanPosition) || from.triple >= unsigned(d.scanPosition)) {
        d.error = DeflateError::NoFuture;
        return 0;
    }
    const uint8_t* window = d.window.data();
    const uint8_t* scan = window + d.scanPosition;
    const unsigned lowest = lowestCandidate(d);
    int bestLength = d.previousLength;
    if (bestLength < minMatch && from.triple >= lowest) {
        const uint8_t* match = window + from.triple;
        if (match[0] == scan[0] && match[1] == scan[1] && match[2] == scan[2]) {
            d.matchStart = int(from.triple);
            bestLength = minMatch;
        }
    }
    unsigned current = from.chain;
    if (current < lowest) return bestLength;
    int chain = d.params.maxChain;
    if (d.previousLength >= d.params.goodLength) chain >>= 2;
    const int niceLength = std::min(d.params.niceLength, d.lookahead);
    uint8_t bestEnd0 = scan[bestLength - 1];
    uint8_t bestEnd1 = scan[bestLength];
    do {
        const uint8_t* match = window + current;
        // Only a candidate that could beat the best so far is compared in full.
        if (match[bestLength] != bestEnd1 || match[bestLength - 1] != bestEnd0 || match[0] != scan[0] ||
            match[1] != scan[1])
            continue;
        int length = 2;
        // 2 + 32 words of 8 bytes end exactly at the maximum match of 258.
        while (length < maxMatch) {
            const uint64_t diff = load64(scan + length) ^ load64(match + length);
            if (diff != 0) {
                length += std::countr_zero(diff) / 8;
                break;
            }
            length += 8;
        }
        if (length > bestLength) {
            d.matchStart = int(current);
            bestLength = length;
            if (length >= niceLength) break;
            bestEnd0 = scan[bestLength - 1];
            bestEnd1 = scan[bestLength];
        }
    } while ((current = d.prev[current & windowMask]) >= lowest && --chain != 0);
    return bestLength;
}

// The block's bytes are still in the window unless it slid past their start.
void flushWindowBlock(Deflater& d, bool last) {
    const uint8_t* data = d.blockStart >= 0 ? d.window.data() + d.blockStart : nullptr;
    flushBlock(d, last, data, uint64_t(d.scanPosition - d.blockStart));
}

void endBlockHere(Deflater& d) {
    flushWindowBlock(d, false);
    d.blockStart = d.scanPosition;
}

// Levels 1 to 3: take every match found; insert the strings inside a match only
// when it is short, to save time on long runs.
void compressGreedy(Deflater& d) {
    const uint8_t* window = d.window.data();
    while (d.lookahead > 0 && running(d)) {
        const Candidates candidates = insertString(d, d.scanPosition);
        int matchLength = 0;
        // The nearest three-byte candidate is never older than the chain's head.
        if (candidates.triple >= lowestCandidate(d)) {
            d.previousLength = minMatch - 1;
            matchLength = std::min(longestMatch(d, candidates), d.lookahead);
        }
        bool full;
        if (matchLength >= minMatch) {
            full = tallyMatch(d, d.scanPosition - d.matchStart, matchLength);
            d.lookahead -= matchLength;
            if (matchLength <= d.params.lazyMatch && d.lookahead >= minMatch) {
                while (--matchLength != 0) insertString(d, ++d.scanPosition);
                ++d.scanPosition;
            } else {
                d.scanPosition += matchLength;
            }
        } else {
            full = tallyLiteral(d, window[d.scanPosition]);
            --d.lookahead;
            ++d.scanPosition;
        }
        if (full) endBlockHere(d);
        keepLookahead(d);
    }
    if (running(d)) flushWindowBlock(d, true);
}

// Levels 4 to 8: a match is held back one byte; if the match starting at the
// next byte is longer, the held byte goes out as a literal instead.
void compressLazy(Deflater& d) {
    const uint8_t* window = d.window.data();
    bool literalHeld = false;
    int matchLength = minMatch - 1;
    while (d.lookahead > 0 && running(d)) {
        const Candidates candidates = insertString(d, d.scanPosition);
        d.previousLength = matchLength;
        const int previousMatch = d.matchStart;
        matchLength = minMatch - 1;
        if (candidates.triple >= lowestCandidate(d) && d.previousLength < d.params.lazyMatch) {
            matchLength = std::min(longestMatch(d, candidates), d.lookahead);
            if (matchLength == minMatch && d.scanPosition - d.matchStart > tooFar) matchLength = minMatch - 1;
        }
        if (d.previousLength >= minMatch && matchLength <= d.previousLength) {
            const bool full = tallyMatch(d, d.scanPosition - 1 - previousMatch, d.previousLength);
            // The match began one byte back; its first two strings are in already.
            d.lookahead -= d.previousLength - 1;
            for (int n = d.previousLength - 2; n > 0; --n) insertString(d, ++d.scanPosition);
            ++d.scanPosition;
            literalHeld = false;
            matchLength = minMatch - 1;
            if (full) endBlockHere(d);
        } else if (literalHeld) {
            const bool full = tallyLiteral(d, window[d.scanPosition - 1]);
            if (full) endBlockHere(d);
            ++d.scanPosition;
            --d.lookahead;
        } else {
            literalHeld = true;
            ++d.scanPosition;
            --d.lookahead;
        }
        keepLookahead(d);
    }
    if (!running(d)) return;
    if (literalHeld) tallyLiteral(d, window[d.scanPosition - 1]);
    flushWindowBlock(d, true);
}

}  // namespace

void startEntry(Deflater& d, int level, DeflateIo io) {
    d.error = DeflateError::None;
    d.outputFailed = false;
    d.generalFlags = 0;
    d.internalAttributes = 0;
    d.bytesRead = 0;
    d.crc = crc32Start;
    d.bytesWritten = 0;
    d.io = std::move(io);
    if (level < lowestPackLevel || level > strongPackLevel) {
        d.error = DeflateError::BadPackLevel;
        return;
    }
    d.strong = level == strongPackLevel;
    d.lazy = !d.strong && level >= firstLazyLevel;
    // ZIP flag bits 1 and 2 tell the compression: bit 1 maximum, bit 2 fastest.
    d.generalFlags = level >= highestPackLevel ? 2 : level <= 2 ? 4 : 0;
    d.firstBlockCoded = false;
    d.bitBuffer = 0;
    d.bitCount = 0;
    d.outputUsed = 0;
    startBlock(d);
    if (d.strong) {
        startStrongEntry(d);
        return;
    }
    d.params = packLevels[level];
    d.head.fill(0);
    d.tripleHead.fill(0);
    d.scanPosition = 0;
    d.blockStart = 0;
    d.matchStart = 0;
    d.previousLength = minMatch - 1;
    d.endOfInput = false;

    const size_t n = readInput(d, d.window.data(), windowBufferSize);
    d.lookahead = int(n);
    if (n == 0) endInput(d);
    keepLookahead(d);
}

uint64_t compress(Deflater& d) {
    if (!running(d)) return d.bytesWritten;
    if (d.strong) compressStrong(d);
    else if (d.lazy) compressLazy(d);
    else compressGreedy(d);
    return d.bytesWritten;
}

bool deflateBuffer(Deflater& d, const uint8_t* data, size_t size, int level, std::vector<uint8_t>& out) {
    out.clear();
    size_t position = 0;
    DeflateIo io;
    io.read = [&](uint8_t* buffer, size_t n) {
        n = std::min(n, size - position);
        if (n != 0) std::memcpy(buffer, data + position, n);
        position += n;
        return n;
    };
    io.write = [&](const uint8_t* bytes, size_t n) {
        out.insert(out.end(), bytes, bytes + n);
        return true;
    };
    startEntry(d, level, std::move(io));
    compress(d);
    return running(d);
}
