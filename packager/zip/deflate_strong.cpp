#include "deflate_strong.h"

#include "deflate.h"
#include "deflate_blocks.h"
#include "deflate_entry.h"

#include <algorithm>
#include <cstring>

namespace {

// The segment sits after a window of history; both move down by a whole
// segment, a multiple of the window, which keeps the match tree's slots.
inline constexpr int segmentStart = windowSize;
inline constexpr int segmentSize = 2 * windowSize;
inline constexpr int strongBufferSize = segmentStart + segmentSize + maxMatch;
// Nodes of the match tree visited per position: deeper finds little more.
inline constexpr int searchDepth = 256;
// Parses of the whole segment before it is split, and of each block after.
inline constexpr int segmentPasses = 6;
inline constexpr int blockPasses = 10;
// Block boundaries are tried at about this many places in a segment.
inline constexpr int splitCandidates = 96;
inline constexpr int splitGrid = 128;  // symbols between candidates at least

void fillBuffer(Deflater& d, StrongState& s) {
    while (!s.endOfInput && s.dataEnd < strongBufferSize && running(d)) {
        const size_t n = readInput(d, s.buffer.data() + s.dataEnd, size_t(strongBufferSize - s.dataEnd));
        if (n == 0) s.endOfInput = true;
        s.dataEnd += int(n);
    }
}

// Every position of the segment goes into the tree, and its matches into the lists.
void findSegmentMatches(StrongState& s, int segmentEnd) {
    MatchLists& lists = s.lists;
    lists.matches.clear();
    lists.first.resize(size_t(segmentEnd - segmentStart) + 1);
    Match found[maxMatchesPerPosition];
    for (int pos = segmentStart; pos < segmentEnd; ++pos) {
        lists.first[size_t(pos - segmentStart)] = uint32_t(lists.matches.size());
        const int longest = std::min(maxMatch, s.dataEnd - pos);
        if (longest < minMatch) continue;
        const int n = findMatches(s.tree, s.buffer.data(), pos, longest, searchDepth, found);
        lists.matches.insert(lists.matches.end(), found, found + n);
    }
    lists.first.back() = uint32_t(lists.matches.size());
}

// The bits of a block with these counts, as the block encoder would code it.
uint64_t blockBits(Deflater& d, const SymbolCounts& counts) {
    for (int n = 0; n < literalLengthCodes; ++n) d.literalTree[n].frequency = counts.literal[n];
    for (int n = 0; n < distanceCodes; ++n) d.distanceTree[n].frequency = counts.distance[n];
    return codedBlockBits(d);
}

// A first parse to take costs from: the longest match wherever there is one.
void parseGreedy(const MatchLists& lists, int size, std::vector<Match>& out) {
    out.clear();
    for (int at = 0; at < size;) {
        const uint32_t first = lists.first[size_t(at)], end = lists.first[size_t(at) + 1];
        Match m{1, 0};
        if (end != first) {
            m = lists.matches[end - 1];
            m.length = uint16_t(std::min<int>(m.length, size - at));
            if (m.length < minMatch) m = {1, 0};
        }
        out.push_back(m);
        at += m.length;
    }
}

// Parses bytes begin to end again and again, each time with the costs of the
// last parse, and leaves the smallest in best (which starts as the parse given).
// A pass that comes out larger still gives the next its costs: the parses
// wander near the best one, and a later one often beats it.
void refineParse(Deflater& d, StrongState& s, int begin, int end, int passes) {
    const uint8_t* bytes = s.buffer.data() + segmentStart;
    SymbolCounts counts;
    countSymbols(s.best, bytes + begin, counts);
    uint64_t bestBits = blockBits(d, counts);
    for (int pass = 0; pass < passes; ++pass) {
        parseOptimal(bytes, s.lists, begin, end, costsFromCounts(counts), s.work, s.trial);
        countSymbols(s.trial, bytes + begin, counts);
        const uint64_t bits = blockBits(d, counts);
        if (bits < bestBits) {
            bestBits = bits;
            s.best = s.trial;
        }
    }
}

// Counts of the symbols before each candidate boundary; a block's counts are
// the difference of its two ends'.
struct SplitPlan {
    std::vector<size_t> symbolAt;  // the candidates, as symbol indices
    std::vector<SymbolCounts> before;
};

SplitPlan planCandidates(const std::vector<Match>& parse, const uint8_t* bytes) {
    SplitPlan plan;
    const size_t grid = std::max<size_t>(splitGrid, parse.size() / splitCandidates + 1);
    SymbolCounts running{};
    size_t at = 0;
    for (size_t i = 0; i <= parse.size(); ++i) {
        if (i % grid == 0 || i == parse.size()) {
            plan.symbolAt.push_back(i);
            plan.before.push_back(running);
        }
        if (i == parse.size()) break;
        const Match& m = parse[i];
        if (m.distance == 0) {
            ++running.literal[bytes[at]];
        } else {
            ++running.literal[literalCount + 1 + lengthCodes.codeOf[m.length - minMatch]];
            ++running.distance[distanceCode(m.distance - 1)];
        }
        at += m.length;
    }
    return plan;
}

// The cheapest way to cut the parse into blocks at the candidates, found as a
// shortest path; returns the chosen ends as symbol indices.
std::vector<size_t> splitBlocks(Deflater& d, const std::vector<Match>& parse, const uint8_t* bytes) {
    const SplitPlan plan = planCandidates(parse, bytes);
    const size_t n = plan.symbolAt.size();
    std::vector<uint64_t> cost(n, UINT64_MAX);
    std::vector<size_t> from(n, 0);
    cost[0] = 0;
    SymbolCounts block;
    for (size_t j = 1; j < n; ++j) {
        for (size_t i = j; i-- > 0;) {
            if (plan.symbolAt[j] - plan.symbolAt[i] > size_t(symbolBufferSize)) break;
            for (int k = 0; k < literalLengthCodes; ++k)
                block.literal[k] = plan.before[j].literal[k] - plan.before[i].literal[k];
            for (int k = 0; k < distanceCodes; ++k)
                block.distance[k] = plan.before[j].distance[k] - plan.before[i].distance[k];
            block.literal[endOfBlock] = 1;
            const uint64_t total = cost[i] + blockBits(d, block);
            if (total < cost[j]) {
                cost[j] = total;
                from[j] = i;
            }
        }
    }
    std::vector<size_t> ends;
    for (size_t j = n - 1; j > 0; j = from[j]) ends.push_back(plan.symbolAt[j]);
    std::reverse(ends.begin(), ends.end());
    return ends;
}

// Codes the symbols of one stretch, begin to end of the segment, as a block
// (more than one only when the symbols overflow the block buffer).
void emitBlock(Deflater& d, const std::vector<Match>& symbols, const uint8_t* bytes, int begin, int end, bool last) {
    startBlock(d);
    int blockFrom = begin, at = begin;
    for (const Match& m : symbols) {
        const bool full = m.distance == 0 ? tallyLiteral(d, bytes[at]) : tallyMatch(d, m.distance, m.length);
        at += m.length;
        if (full && at < end) {
            flushBlock(d, false, bytes + blockFrom, uint64_t(at - blockFrom));
            blockFrom = at;
        }
    }
    flushBlock(d, last, bytes + blockFrom, uint64_t(end - blockFrom));
}

// Parses each block again with its own costs and codes it.
void codeBlocks(Deflater& d, StrongState& s, const std::vector<size_t>& ends, bool last) {
    const uint8_t* bytes = s.buffer.data() + segmentStart;
    size_t symbol = 0;
    int begin = 0;
    for (size_t b = 0; b < ends.size() && running(d); ++b) {
        int end = begin;
        for (size_t i = symbol; i < ends[b]; ++i) end += s.parse[i].length;
        s.best.assign(s.parse.begin() + long(symbol), s.parse.begin() + long(ends[b]));
        refineParse(d, s, begin, end, blockPasses);
        emitBlock(d, s.best, bytes, begin, end, last && b + 1 == ends.size());
        symbol = ends[b];
        begin = end;
    }
}

void codeSegment(Deflater& d, StrongState& s, int size, bool last) {
    const uint8_t* bytes = s.buffer.data() + segmentStart;
    parseGreedy(s.lists, size, s.best);
    refineParse(d, s, 0, size, segmentPasses);
    s.parse.swap(s.best);
    const std::vector<size_t> ends = splitBlocks(d, s.parse, bytes);
    // An empty entry is still one final, empty block.
    if (ends.empty()) emitBlock(d, {}, bytes, 0, 0, last);
    else codeBlocks(d, s, ends, last);
}

}  // namespace

void startStrongEntry(Deflater& d) {
    StrongState& s = d.strongState;
    s.buffer.assign(strongBufferSize, 0);
    s.dataEnd = segmentStart;
    s.endOfInput = false;
    resetMatchTree(s.tree);
}

void compressStrong(Deflater& d) {
    StrongState& s = d.strongState;
    while (running(d)) {
        fillBuffer(d, s);
        if (!running(d)) return;
        const int segmentEnd = std::min(s.dataEnd, segmentStart + segmentSize);
        const bool last = s.endOfInput && segmentEnd == s.dataEnd;
        findSegmentMatches(s, segmentEnd);
        codeSegment(d, s, segmentEnd - segmentStart, last);
        if (last) return;
        std::memmove(s.buffer.data(), s.buffer.data() + segmentSize, size_t(s.dataEnd - segmentSize));
        s.dataEnd -= segmentSize;
        slideMatchTree(s.tree, segmentSize);
    }
}
