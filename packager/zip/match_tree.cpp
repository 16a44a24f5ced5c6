#include "match_tree.h"

#include "deflate_tables.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

inline constexpr int treeHashBits = 16;
inline constexpr int32_t noPosition = -1;

inline unsigned hash3(const uint8_t* p) {
    const uint32_t bytes = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
    return (bytes * 2654435761u) >> (32 - treeHashBits);
}

// Length of the common prefix of a and b from start on, at most limit.
inline int extend(const uint8_t* a, const uint8_t* b, int start, int limit) {
    int length = start;
    while (length + 8 <= limit) {
        uint64_t x, y;
        std::memcpy(&x, a + length, 8);
        std::memcpy(&y, b + length, 8);
        if (x != y) return length + std::countr_zero(x ^ y) / 8;
        length += 8;
    }
    while (length < limit && a[length] == b[length]) ++length;
    return length;
}

}  // namespace

void resetMatchTree(MatchTree& t) {
    t.head.assign(size_t(1) << treeHashBits, noPosition);
    t.child.assign(2 * size_t(windowSize), noPosition);
}

void slideMatchTree(MatchTree& t, int32_t distance) {
    const auto slide = [distance](int32_t& p) { p = std::max(p - distance, noPosition); };
    std::for_each(t.head.begin(), t.head.end(), slide);
    std::for_each(t.child.begin(), t.child.end(), slide);
}

// The tree under a hash head holds older strings ordered as strings; walking
// down from the head towards the new string visits ever older positions, and
// the new string becomes the root, the visited nodes hung on its two sides.
// Nodes are kept per position modulo the window: a reused slot belongs to a
// position too far back to be reached.
int findMatches(MatchTree& t, const uint8_t* buffer, int32_t pos, int maxLength, int depth, Match* out) {
    const uint8_t* string = buffer + pos;
    const unsigned h = hash3(string);
    int32_t node = t.head[h];
    t.head[h] = pos;
    int32_t* pendingSmaller = &t.child[2 * size_t(pos & windowMask)];
    int32_t* pendingLarger = pendingSmaller + 1;
    const int32_t lowest = std::max(pos - maxDistance, 0);
    int smallerLength = 0, largerLength = 0, length = 0, best = minMatch - 1, found = 0;
    while (node >= lowest && depth-- > 0) {
        const uint8_t* candidate = buffer + node;
        int32_t* children = &t.child[2 * size_t(node & windowMask)];
        if (candidate[length] == string[length]) {
            length = extend(candidate, string, length + 1, maxLength);
            if (length > best) {
                best = length;
                if (found == maxMatchesPerPosition) {
                    std::move(out + 1, out + found, out);
                    --found;
                }
                out[found++] = {uint16_t(length), uint16_t(pos - node)};
            }
            // A string this long takes the old node's place and its subtrees.
            if (length == maxLength) {
                *pendingSmaller = children[0];
                *pendingLarger = children[1];
                return found;
            }
        }
        if (candidate[length] < string[length]) {
            *pendingSmaller = node;
            pendingSmaller = &children[1];
            node = *pendingSmaller;
            smallerLength = length;
        } else {
            *pendingLarger = node;
            pendingLarger = &children[0];
            node = *pendingLarger;
            largerLength = length;
        }
        // Every string below shares at least the shorter of the two prefixes.
        length = std::min(smallerLength, largerLength);
    }
    *pendingSmaller = noPosition;
    *pendingLarger = noPosition;
    return found;
}
