#include "optimal_parse.h"

#include <algorithm>
#include <cmath>
#include <limits>

void countSymbols(const std::vector<Match>& parse, const uint8_t* bytes, SymbolCounts& counts) {
    counts = {};
    counts.literal[endOfBlock] = 1;
    for (const Match& m : parse) {
        if (m.distance == 0) {
            ++counts.literal[*bytes];
        } else {
            ++counts.literal[literalCount + 1 + lengthCodes.codeOf[m.length - minMatch]];
            ++counts.distance[distanceCode(m.distance - 1)];
        }
        bytes += m.length;
    }
}

namespace {

template <size_t N>
std::array<uint32_t, N> shareCosts(const std::array<uint32_t, N>& counts) {
    uint64_t total = 0;
    for (uint32_t c : counts) total += c;
    const double all = std::log2(double(std::max<uint64_t>(total, 1)));
    std::array<uint32_t, N> costs{};
    for (size_t n = 0; n < N; ++n) {
        const double bits = counts[n] == 0 ? all : all - std::log2(double(counts[n]));
        // Codes are at most 15 bits long, and a code costs at least one bit.
        costs[n] = uint32_t(std::lround(std::clamp(bits, 1.0, double(maxCodeBits)) * costScale));
    }
    return costs;
}

}  // namespace

ParseCosts costsFromCounts(const SymbolCounts& counts) {
    const auto literal = shareCosts(counts.literal);
    const auto distance = shareCosts(counts.distance);
    ParseCosts c;
    std::copy_n(literal.begin(), literalCount, c.literal.begin());
    for (int length = minMatch; length <= maxMatch; ++length) {
        const int code = lengthCodes.codeOf[length - minMatch];
        c.length[length] = literal[literalCount + 1 + code] + lengthExtraBits[code] * costScale;
    }
    for (int code = 0; code < distanceCodes; ++code)
        c.distance[code] = distance[code] + distanceExtraBits[code] * costScale;
    return c;
}

void parseOptimal(const uint8_t* bytes, const MatchLists& lists, int begin, int end, const ParseCosts& costs,
                  ParseWork& work, std::vector<Match>& out) {
    const int size = end - begin;
    work.cost.assign(size_t(size) + 1, std::numeric_limits<uint32_t>::max());
    work.step.resize(size_t(size) + 1);
    uint32_t* cost = work.cost.data();
    Match* step = work.step.data();
    cost[0] = 0;
    for (int i = 0; i < size; ++i) {
        const uint32_t here = cost[i];
        const uint32_t literal = here + costs.literal[bytes[begin + i]];
        if (literal < cost[i + 1]) {
            cost[i + 1] = literal;
            step[i + 1] = {1, 0};
        }
        const int room = size - i;
        int length = minMatch - 1;
        const Match* m = lists.matches.data() + lists.first[size_t(begin + i)];
        const Match* mEnd = lists.matches.data() + lists.first[size_t(begin + i) + 1];
        // A length between two matches' lengths is coded with the nearer, longer one.
        for (; m != mEnd && length < room; ++m) {
            const int longest = std::min<int>(m->length, room);
            const uint32_t base = here + costs.distance[distanceCode(m->distance - 1)];
            for (++length; length <= longest; ++length) {
                const uint32_t total = base + costs.length[length];
                if (total < cost[i + length]) {
                    cost[i + length] = total;
                    step[i + length] = {uint16_t(length), m->distance};
                }
            }
            length = longest;
        }
    }
    out.clear();
    for (int at = size; at > 0; at -= step[at].length) out.push_back(step[at]);
    std::reverse(out.begin(), out.end());
}
