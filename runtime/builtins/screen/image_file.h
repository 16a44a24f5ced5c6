// Reading PNG files and writing image files (PNG, BMP and whatever else the
// engine writes) as CPU images. Used for the system font, the joypad images,
// the programs' pictures and snapshots.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "screen/argb_image.h"

// The largest picture read: 16,777,216 pixels (4096 x 4096, 64 MB in memory),
// checked against the PNG header before anything is decoded, so that a small
// file claiming 65,535 x 65,535 pixels cannot take the memory.
inline constexpr uint64_t largestPicturePixels = 4096 * 4096;

// Nothing for a file that is not a PNG file or whose picture is larger than
// the limit (or does not fit in memory).
std::optional<ArgbImage> readImageFile(const std::string& path);

// Writes the image's colours (alpha ignored); the format follows the file name.
bool writeImageFile(const ArgbImage& image, const std::string& path);
