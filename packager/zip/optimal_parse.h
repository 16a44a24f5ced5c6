// The strong level's parse: the cheapest way, under a cost model, to write a
// stretch of bytes as literals and matches, found as a shortest path over the
// positions with every match the match finder offered at each of them.
#pragma once

#include "deflate_tables.h"
#include "match_tree.h"

#include <array>
#include <cstdint>
#include <vector>

// How often each symbol of the two alphabets occurs in a parse.
struct SymbolCounts {
    std::array<uint32_t, literalLengthCodes> literal{};
    std::array<uint32_t, distanceCodes> distance{};
};

// Costs in 1/64 bit of a literal, of a match length and of a distance code,
// extra bits included.
struct ParseCosts {
    std::array<uint32_t, literalCount> literal{};
    std::array<uint32_t, maxMatch + 1> length{};
    std::array<uint32_t, distanceCodes> distance{};
};

inline constexpr uint32_t costScale = 64;

// The matches at each position of a stretch: those of position p are
// matches[first[p]] up to matches[first[p + 1]].
struct MatchLists {
    std::vector<Match> matches;
    std::vector<uint32_t> first;
};

// Working arrays of the parse, kept between calls.
struct ParseWork {
    std::vector<uint32_t> cost;
    std::vector<Match> step;  // the last step of the cheapest way to each position
};

// Counts the symbols of a parse of the bytes; the end-of-block symbol once.
void countSymbols(const std::vector<Match>& parse, const uint8_t* bytes, SymbolCounts& counts);

// Costs that make a parse with these counts cheapest: each symbol costs about
// the bits of its share, an unused one as much as one used once.
ParseCosts costsFromCounts(const SymbolCounts& counts);

// The cheapest parse of the bytes from begin to end (positions of the match
// lists); matches are cut short at end. The parse replaces out.
void parseOptimal(const uint8_t* bytes, const MatchLists& lists, int begin, int end, const ParseCosts& costs,
                  ParseWork& work, std::vector<Match>& out);
