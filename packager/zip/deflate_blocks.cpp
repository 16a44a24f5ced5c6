#include "deflate_blocks.h"

#include <algorithm>
#include <cstring>

namespace {

enum BlockType { storedBlock = 0, fixedBlock = 1, dynamicBlock = 2 };

// ---- Bit output -------------------------------------------------------------

// After a failed write the rest is only counted: the entry is lost anyway.
void flushOutput(Deflater& d) {
    d.bytesWritten += uint64_t(d.outputUsed);
    if (d.outputUsed != 0 && !d.outputFailed && !d.io.write(d.output.data(), size_t(d.outputUsed)))
        d.outputFailed = true;
    d.outputUsed = 0;
}

// The bit buffer holds fewer than 32 bits between calls, so up to 16 more fit.
inline void sendBits(Deflater& d, unsigned value, int length) {
    d.bitBuffer |= uint64_t(value) << d.bitCount;
    d.bitCount += length;
    if (d.bitCount >= 32) {
        const auto v = uint32_t(d.bitBuffer);
        uint8_t* p = d.output.data() + d.outputUsed;
        p[0] = uint8_t(v);
        p[1] = uint8_t(v >> 8);
        p[2] = uint8_t(v >> 16);
        p[3] = uint8_t(v >> 24);
        d.outputUsed += 4;
        d.bitBuffer >>= 32;
        d.bitCount -= 32;
        if (d.outputUsed >= outputBufferSize) flushOutput(d);
    }
}

inline void sendCode(Deflater& d, int symbol, const HuffmanNode* tree) {
    sendBits(d, tree[symbol].code, tree[symbol].length);
}

inline void sendFixedCode(Deflater& d, int symbol, const CodeTable& table) {
    sendBits(d, table.code[symbol], table.length[symbol]);
}

// Writes out the pending bits, padding the last byte with zeros.
void alignToByte(Deflater& d) {
    while (d.bitCount > 0) {
        d.output[d.outputUsed++] = uint8_t(d.bitBuffer);
        d.bitBuffer >>= 8;
        d.bitCount = std::max(d.bitCount - 8, 0);
        if (d.outputUsed >= outputBufferSize) flushOutput(d);
    }
    d.bitBuffer = 0;
}

void sendBytes(Deflater& d, const uint8_t* data, size_t size) {
    while (size > 0) {
        const size_t n = std::min(size, size_t(outputBufferSize - d.outputUsed));
        std::memcpy(d.output.data() + d.outputUsed, data, n);
        d.outputUsed += int(n);
        data += n;
        size -= n;
        if (d.outputUsed >= outputBufferSize) flushOutput(d);
    }
}

// Bits sent for this entry so far, flushed or not.
uint64_t bitsSent(const Deflater& d) {
    return (d.bytesWritten + uint64_t(d.outputUsed)) * 8 + uint64_t(d.bitCount);
}

// ---- Huffman trees ----------------------------------------------------------

struct TreeShape {
    HuffmanNode* nodes;
    int elements;              // symbols of the alphabet
    int maxLength;             // longest code allowed
    const uint8_t* extraBits;  // extra bits of the symbols from extraBase on
    int extraBase;
    const CodeTable* fixed;    // the fixed codes, for the fixed-block estimate
};

// Tie-break on depth keeps the tree shallow when frequencies are equal.
inline bool lighter(const HuffmanNode* nodes, int n, int m) {
    return nodes[n].frequency < nodes[m].frequency ||
           (nodes[n].frequency == nodes[m].frequency && nodes[n].depth <= nodes[m].depth);
}

void siftDown(Deflater& d, const HuffmanNode* nodes, int k) {
    const int v = d.heap[k];
    int j = k << 1;
    while (j <= d.heapLength) {
        if (j < d.heapLength && lighter(nodes, d.heap[j + 1], d.heap[j])) ++j;
        if (lighter(nodes, v, d.heap[j])) break;
        d.heap[k] = d.heap[j];
        k = j;
        j <<= 1;
    }
    d.heap[k] = v;
}

// Gives every leaf its code length, limited to maxLength; adds the block sizes.
// Over-long codes are shortened by borrowing from the next shorter length, which
// keeps the code complete.
void assignLengths(Deflater& d, const TreeShape& t, int maxCode) {
    HuffmanNode* nodes = t.nodes;
    d.lengthCounts.fill(0);
    const int heapSize = literalTreeNodes;
    nodes[d.heap[d.heapMax]].length = 0;  // the root
    int overflow = 0;
    for (int h = d.heapMax + 1; h < heapSize; ++h) {
        const int n = d.heap[h];
        int bits = nodes[nodes[n].parent].length + 1;
        if (bits > t.maxLength) {
            bits = t.maxLength;
            ++overflow;
        }
        nodes[n].length = uint16_t(bits);
        if (n > maxCode) continue;  // not a leaf
        ++d.lengthCounts[bits];
        const int extra = n >= t.extraBase ? t.extraBits[n - t.extraBase] : 0;
        const uint64_t f = nodes[n].frequency;
        d.optimalBits += f * uint64_t(bits + extra);
        if (t.fixed) d.fixedBits += f * uint64_t(t.fixed->length[n] + extra);
    }
    if (overflow == 0) return;
    do {
        int bits = t.maxLength - 1;
        while (d.lengthCounts[bits] == 0) --bits;
        --d.lengthCounts[bits];
        d.lengthCounts[bits + 1] += 2;
        --d.lengthCounts[t.maxLength];
        overflow -= 2;
    } while (overflow > 0);
    // Hand the lengths out again, longest to the least frequent leaves.
    int h = heapSize;
    for (int bits = t.maxLength; bits != 0; --bits) {
        for (int n = d.lengthCounts[bits]; n != 0;) {
            const int m = d.heap[--h];
            if (m > maxCode) continue;
            if (nodes[m].length != bits) {
                d.optimalBits += (uint64_t(bits) - nodes[m].length) * nodes[m].frequency;
                nodes[m].length = uint16_t(bits);
            }
            --n;
        }
    }
}

// Canonical codes from the lengths, after checking that they form a complete code.
void assignCodes(Deflater& d, const TreeShape& t, int maxCode) {
    uint64_t kraft = 0;
    for (int n = 0; n <= maxCode; ++n) {
        const int len = t.nodes[n].length;
        if ((t.nodes[n].frequency != 0 && len == 0) || len > t.maxLength) {
            d.error = DeflateError::InvalidLength;
            return;
        }
        if (len != 0) kraft += uint64_t(1) << (maxCodeBits - len);
    }
    if (kraft != (uint64_t(1) << maxCodeBits)) {
        d.error = DeflateError::InconsistentBitCounts;
        return;
    }
    std::array<uint8_t, literalLengthCodes> lengths{};
    std::array<uint16_t, literalLengthCodes> codes{};
    for (int n = 0; n <= maxCode; ++n) lengths[n] = uint8_t(t.nodes[n].length);
    assignCanonicalCodes(lengths.data(), codes.data(), maxCode + 1, d.lengthCounts.data());
    for (int n = 0; n <= maxCode; ++n) t.nodes[n].code = codes[n];
}

// Builds the Huffman tree of one alphabet from its frequencies; returns the
// largest symbol with a non-zero frequency.
int buildTree(Deflater& d, const TreeShape& t) {
    HuffmanNode* nodes = t.nodes;
    d.heapLength = 0;
    d.heapMax = literalTreeNodes;
    int maxCode = -1;
    for (int n = 0; n < t.elements; ++n) {
        if (nodes[n].frequency != 0) {
            d.heap[++d.heapLength] = maxCode = n;
            nodes[n].depth = 0;
        } else {
            nodes[n].length = 0;
        }
    }
    // Inflaters want at least two codes, so give unused symbols a weight of one.
    while (d.heapLength < 2) {
        const int node = d.heap[++d.heapLength] = maxCode < 2 ? ++maxCode : 0;
        nodes[node].frequency = 1;
        nodes[node].depth = 0;
        --d.optimalBits;
        if (t.fixed) d.fixedBits -= t.fixed->length[node];
    }
    for (int n = d.heapLength / 2; n >= 1; --n) siftDown(d, nodes, n);
    int node = t.elements;
    do {
        const int n = d.heap[1];
        d.heap[1] = d.heap[d.heapLength--];
        siftDown(d, nodes, 1);
        const int m = d.heap[1];
        d.heap[--d.heapMax] = n;
        d.heap[--d.heapMax] = m;
        nodes[node].frequency = nodes[n].frequency + nodes[m].frequency;
        nodes[node].depth = uint8_t(std::max(nodes[n].depth, nodes[m].depth) + 1);
        nodes[n].parent = nodes[m].parent = uint16_t(node);
        d.heap[1] = node++;
        siftDown(d, nodes, 1);
    } while (d.heapLength >= 2);
    d.heap[--d.heapMax] = d.heap[1];
    assignLengths(d, t, maxCode);
    assignCodes(d, t, maxCode);
    return maxCode;
}

// Walks the code lengths of a tree as the runs that the bit-length codes
// describe, calling emit(length, repeat) for each piece: repeat 0 for a plain
// length, else the run code 16, 17 or 18 with the run's count.
template <typename Emit>
void forEachLengthRun(const HuffmanNode* tree, int maxCode, Emit emit) {
    int previous = -1;
    int next = tree[0].length;
    int count = 0;
    int maxCount = next == 0 ? 138 : 7;
    int minCount = next == 0 ? 3 : 4;
    for (int n = 0; n <= maxCode; ++n) {
        const int current = next;
        next = n + 1 <= maxCode ? tree[n + 1].length : -1;
        if (++count < maxCount && current == next) continue;
        if (count < minCount) {
            for (; count > 0; --count) emit(current, 0, 0);
        } else if (current != 0) {
            if (current != previous) {
                emit(current, 0, 0);
                --count;
            }
            emit(current, repeatPrevious, count);
        } else if (count <= 10) {
            emit(0, repeatZero3, count);
        } else {
            emit(0, repeatZero11, count);
        }
        count = 0;
        previous = current;
        if (next == 0) {
            maxCount = 138;
            minCount = 3;
        } else if (current == next) {
            maxCount = 6;
            minCount = 3;
        } else {
            maxCount = 7;
            minCount = 4;
        }
    }
}

void countLengthRuns(Deflater& d, const HuffmanNode* tree, int maxCode) {
    forEachLengthRun(tree, maxCode, [&](int length, int run, int) {
        ++d.bitLengthTree[run ? run : length].frequency;
    });
}

void sendLengthRuns(Deflater& d, const HuffmanNode* tree, int maxCode) {
    const HuffmanNode* bl = d.bitLengthTree.data();
    forEachLengthRun(tree, maxCode, [&](int length, int run, int count) {
        if (run == 0) {
            sendCode(d, length, bl);
        } else {
            sendCode(d, run, bl);
            if (run == repeatPrevious) sendBits(d, unsigned(count - 3), 2);
            else if (run == repeatZero3) sendBits(d, unsigned(count - 3), 3);
            else sendBits(d, unsigned(count - 11), 7);
        }
    });
}

// Builds the code for the code lengths; returns the index in bitLengthOrder of
// the last length that must be sent (at least 3, as the format sends four).
int buildBitLengthTree(Deflater& d) {
    for (auto& node : d.bitLengthTree) node.frequency = 0;
    countLengthRuns(d, d.literalTree.data(), d.literalMaxCode);
    countLengthRuns(d, d.distanceTree.data(), d.distanceMaxCode);
    const TreeShape shape{d.bitLengthTree.data(), bitLengthCodes, maxBitLengthBits,
                          bitLengthExtraBits.data(), 0, nullptr};
    buildTree(d, shape);
    int lastIndex = bitLengthCodes - 1;
    for (; lastIndex >= 3; --lastIndex)
        if (d.bitLengthTree[bitLengthOrder[lastIndex]].length != 0) break;
    // 5 + 5 + 4 bits of counts and 3 bits per code length sent.
    d.optimalBits += 3 * uint64_t(lastIndex + 1) + 5 + 5 + 4;
    return lastIndex;
}

void sendTreeDescription(Deflater& d, int literalCodes, int distanceCodesSent, int bitLengthCodesSent) {
    if (literalCodes < 257 || distanceCodesSent < 1 || bitLengthCodesSent < 4) {
        d.error = DeflateError::NotEnoughCodes;
        return;
    }
    if (literalCodes > literalLengthCodes || distanceCodesSent > distanceCodes || bitLengthCodesSent > bitLengthCodes) {
        d.error = DeflateError::TooManyCodes;
        return;
    }
    sendBits(d, unsigned(literalCodes - 257), 5);
    sendBits(d, unsigned(distanceCodesSent - 1), 5);
    sendBits(d, unsigned(bitLengthCodesSent - 4), 4);
    for (int rank = 0; rank < bitLengthCodesSent; ++rank)
        sendBits(d, d.bitLengthTree[bitLengthOrder[rank]].length, 3);
    sendLengthRuns(d, d.literalTree.data(), literalCodes - 1);
    sendLengthRuns(d, d.distanceTree.data(), distanceCodesSent - 1);
}

// Sends the block's symbols with the given codes (dynamic trees or fixed tables).
template <typename SendLiteral, typename SendDistance>
void sendSymbols(Deflater& d, SendLiteral sendLiteral, SendDistance sendDistance) {
    for (int i = 0; i < d.symbolCount; ++i) {
        const int distance = d.symbolDistance[i];
        const int lc = d.symbolLiteral[i];
        if (distance == 0) {
            sendLiteral(lc);
            continue;
        }
        int code = lengthCodes.codeOf[lc];
        sendLiteral(literalCount + 1 + code);
        if (int extra = lengthExtraBits[code]) sendBits(d, unsigned(lc - lengthCodes.base[code]), extra);
        const int dm1 = distance - 1;
        code = distanceCode(dm1);
        sendDistance(code);
        if (int extra = distanceExtraBits[code]) sendBits(d, unsigned(dm1 - distanceCodeTable.base[code]), extra);
    }
    sendLiteral(endOfBlock);
}

// Bytes 7 to 127 count as text, the rest as binary; text wins when there is at
// least four times as much of it.
void guessText(Deflater& d) {
    uint64_t binary = 0, text = 0;
    for (int n = 0; n < 7; ++n) binary += d.literalTree[n].frequency;
    for (int n = 7; n < 128; ++n) text += d.literalTree[n].frequency;
    for (int n = 128; n < literalCount; ++n) binary += d.literalTree[n].frequency;
    d.internalAttributes = binary > (text >> 2) ? 0 : 1;
}

void sendStored(Deflater& d, bool last, const uint8_t* data, unsigned size) {
    sendBits(d, (storedBlock << 1) + (last ? 1 : 0), 3);
    alignToByte(d);
    const uint8_t head[4] = {uint8_t(size), uint8_t(size >> 8), uint8_t(~size), uint8_t(~size >> 8)};
    sendBytes(d, head, 4);
    sendBytes(d, data, size);
}

// Builds the codes of the block from its frequencies, which sets the sizes of
// its dynamic and fixed forms; returns the index in bitLengthOrder of the last
// bit-length code to send.
int planBlock(Deflater& d) {
    d.optimalBits = 0;
    d.fixedBits = 0;
    const TreeShape literalShape{d.literalTree.data(), literalLengthCodes, maxCodeBits,
                                 lengthExtraBits.data(), literalCount + 1, &fixedLiteralCodes};
    const TreeShape distanceShape{d.distanceTree.data(), distanceCodes, maxCodeBits,
                                  distanceExtraBits.data(), 0, &fixedDistanceCodes};
    d.literalMaxCode = buildTree(d, literalShape);
    d.distanceMaxCode = buildTree(d, distanceShape);
    return buildBitLengthTree(d);
}

}  // namespace

void startBlock(Deflater& d) {
    for (auto& node : d.literalTree) node.frequency = 0;
    for (auto& node : d.distanceTree) node.frequency = 0;
    d.literalTree[endOfBlock].frequency = 1;
    d.symbolCount = 0;
    d.matchCount = 0;
    d.optimalBits = 0;
    d.fixedBits = 0;
}

bool blockShouldEnd(const Deflater& d) {
    // Rough size: 8 bits per symbol plus the distance bits; end the block when
    // it compresses well but is mostly literals, as the data has likely changed.
    uint64_t outBits = uint64_t(d.symbolCount) * 8;
    for (int code = 0; code < distanceCodes; ++code)
        outBits += uint64_t(d.distanceTree[code].frequency) * (5 + distanceExtraBits[code]);
    const uint64_t inBytes = uint64_t(d.scanPosition - d.blockStart);
    return d.matchCount < d.symbolCount / 2 && (outBits >> 3) < inBytes / 2;
}

uint64_t codedBlockBits(Deflater& d) {
    planBlock(d);
    return 3 + std::min(d.optimalBits, d.fixedBits);
}

void flushBlock(Deflater& d, bool last, const uint8_t* data, uint64_t size) {
    if (d.error != DeflateError::None) return;
    if (!d.firstBlockCoded) {
        guessText(d);
        d.firstBlockCoded = true;
    }
    const int lastBitLengthIndex = planBlock(d);
    if (d.error != DeflateError::None) return;

    const uint64_t dynamicBytes = (d.optimalBits + 3 + 7) >> 3;
    const uint64_t fixedBytes = (d.fixedBits + 3 + 7) >> 3;
    const uint64_t bestCoded = std::min(dynamicBytes, fixedBytes);
    const bool canStore = data != nullptr && size <= 0xFFFF;
    const uint64_t before = bitsSent(d);

    if (canStore && size + 4 <= bestCoded) {
        sendStored(d, last, data, unsigned(size));
    } else if (fixedBytes <= dynamicBytes) {
        sendBits(d, (fixedBlock << 1) + (last ? 1 : 0), 3);
        sendSymbols(
            d, [&](int s) { sendFixedCode(d, s, fixedLiteralCodes); },
            [&](int s) { sendFixedCode(d, s, fixedDistanceCodes); });
        if (bitsSent(d) - before != 3 + d.fixedBits) d.error = DeflateError::BadCompressedSize;
    } else {
        sendBits(d, (dynamicBlock << 1) + (last ? 1 : 0), 3);
        sendTreeDescription(d, d.literalMaxCode + 1, d.distanceMaxCode + 1, lastBitLengthIndex + 1);
        const HuffmanNode* lt = d.literalTree.data();
        const HuffmanNode* dt = d.distanceTree.data();
        sendSymbols(d, [&](int s) { sendCode(d, s, lt); }, [&](int s) { sendCode(d, s, dt); });
        if (d.error == DeflateError::None && bitsSent(d) - before != 3 + d.optimalBits)
            d.error = DeflateError::BadCompressedSize;
    }
    startBlock(d);
    if (last) {
        alignToByte(d);
        flushOutput(d);
    }
}
