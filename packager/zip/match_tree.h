// The strong level's match finder: a binary tree of the strings starting at
// each window position, rooted per three-byte hash. Searching and inserting
// are one walk, and the walk yields, for every match length it reaches, the
// nearest position with that length, which is what an optimal parse needs.
#pragma once

#include <cstdint>
#include <vector>

struct Match {
    uint16_t length;    // 1 with distance 0 for a literal in a parse
    uint16_t distance;
};

struct MatchTree {
    std::vector<int32_t> head;   // newest position of each hash, or below 0
    std::vector<int32_t> child;  // two per window position: smaller and larger strings
};

// Empties the tree for a new entry.
void resetMatchTree(MatchTree& t);

// Moves every position down by distance (a multiple of the window size), as
// the buffer under the tree has moved; positions below 0 are gone.
void slideMatchTree(MatchTree& t, int32_t distance);

// Enters the string at pos and writes the matches found, lengths rising, to
// out (room for maxMatchesPerPosition); returns how many. The string may not
// run past maxLength bytes, at least 3; the walk visits at most depth nodes.
int findMatches(MatchTree& t, const uint8_t* buffer, int32_t pos, int maxLength, int depth, Match* out);

// More matches at one position are rare; keeping the longest bounds memory.
inline constexpr int maxMatchesPerPosition = 32;
