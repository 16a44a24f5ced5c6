// The ZIP CRC-32: reflected polynomial 0xEDB88320, initial value all ones,
// final complement. Feed data in any number of pieces, starting from crc32Start.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr uint32_t crc32Start = 0;

uint32_t crc32Update(uint32_t crc, const uint8_t* data, size_t size);
