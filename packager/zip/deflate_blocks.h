// The block encoder, shared between the match finder (deflate.cpp) and the
// Huffman coder (deflate_blocks.cpp): symbols are collected here and coded as
// a stored, fixed or dynamic block, whichever is smallest.
#pragma once

#include "deflate.h"

// Clears the symbol counts for a new block.
void startBlock(Deflater& d);

// Codes the block's collected symbols; data and size are the bytes they stand
// for, data null when those bytes are no longer at hand (then it is never
// stored). The last block of an entry also flushes every pending bit.
void flushBlock(Deflater& d, bool last, const uint8_t* data, uint64_t size);

// The bits a block with the frequencies now in the trees would take, coded
// dynamic or fixed, whichever is smaller; the trees' codes are rebuilt.
uint64_t codedBlockBits(Deflater& d);

// True when the block encoder's estimate says the block has stopped paying off.
bool blockShouldEnd(const Deflater& d);

inline bool blockIsFull(const Deflater& d) {
    return d.symbolCount == symbolBufferSize || ((d.symbolCount & 0xFFF) == 0 && d.lazy && blockShouldEnd(d));
}

// Records a literal; true when the block should be coded now.
inline bool tallyLiteral(Deflater& d, uint8_t c) {
    d.symbolLiteral[d.symbolCount] = c;
    d.symbolDistance[d.symbolCount] = 0;
    ++d.symbolCount;
    ++d.literalTree[c].frequency;
    return blockIsFull(d);
}

// Records a match; true when the block should be coded now.
inline bool tallyMatch(Deflater& d, int distance, int length) {
    if (distance < 1 || distance > maxDistance || length < minMatch || length > maxMatch) {
        d.error = DeflateError::BadMatch;
        return false;
    }
    const int dcode = distanceCode(distance - 1);
    if (dcode >= distanceCodes) {
        d.error = DeflateError::BadDistanceCode;
        return false;
    }
    d.symbolLiteral[d.symbolCount] = uint8_t(length - minMatch);
    d.symbolDistance[d.symbolCount] = uint16_t(distance);
    ++d.symbolCount;
    ++d.matchCount;
    ++d.literalTree[literalCount + 1 + lengthCodes.codeOf[length - minMatch]].frequency;
    ++d.distanceTree[dcode].frequency;
    return blockIsFull(d);
}
