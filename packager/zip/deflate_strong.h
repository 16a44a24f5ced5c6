// The strong level: the entry is taken in segments of up to 64 KiB (with the
// 32 KiB before each for matches to reach into); each segment is parsed
// optimally, over and over with the costs of its own last parse, split into
// the blocks that code smallest, and each block parsed again with its own
// costs. Slower than level 8 and never larger in practice.
#pragma once

#include "match_tree.h"
#include "optimal_parse.h"

#include <cstdint>
#include <vector>

struct Deflater;

struct StrongState {
    std::vector<uint8_t> buffer;  // history, segment, then the lookahead its matches may read
    int dataEnd = 0;              // buffer index after the last byte read
    bool endOfInput = false;
    MatchTree tree;
    MatchLists lists;  // of the segment's positions
    ParseWork work;
    std::vector<Match> parse;  // of the whole segment
    std::vector<Match> trial;
    std::vector<Match> best;
};

// Readies the buffers for a new entry and reads nothing yet.
void startStrongEntry(Deflater& d);

// Compresses the whole entry.
void compressStrong(Deflater& d);
