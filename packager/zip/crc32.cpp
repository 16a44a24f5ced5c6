#include "crc32.h"

#include <array>

namespace {

// Four tables let the loop consume four bytes per step; table 0 is the classic
// byte-at-a-time table, table k advances a byte by k further zero bytes.
constexpr std::array<std::array<uint32_t, 256>, 4> makeTables() {
    std::array<std::array<uint32_t, 256>, 4> t{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][n] = c;
    }
    for (uint32_t n = 0; n < 256; ++n)
        for (int k = 1; k < 4; ++k) t[k][n] = (t[k - 1][n] >> 8) ^ t[0][t[k - 1][n] & 0xFF];
    return t;
}

constexpr auto tables = makeTables();

}  // namespace

uint32_t crc32Update(uint32_t crc, const uint8_t* data, size_t size) {
    uint32_t c = ~crc;
    for (; size >= 4; size -= 4, data += 4) {
        c ^= uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16 | uint32_t(data[3]) << 24;
        c = tables[3][c & 0xFF] ^ tables[2][(c >> 8) & 0xFF] ^ tables[1][(c >> 16) & 0xFF] ^ tables[0][c >> 24];
    }
    for (; size > 0; --size) c = tables[0][(c ^ *data++) & 0xFF] ^ (c >> 8);
    return ~c;
}
