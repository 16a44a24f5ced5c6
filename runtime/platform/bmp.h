// Windows BMP files, as the screenshot of a run is written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 32-bit pixels (0x00RRGGBB, top row first) as a bit-field BMP: the
// file header, the 40-byte information header, the three colour masks, then
// the rows bottom-up, as a 32-bit display describes its bitmaps.
bool writeBmp(const std::string& path, int32_t width, int32_t height, const std::vector<uint32_t>& pixels);
