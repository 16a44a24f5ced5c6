// Reading PNG files and writing image files (PNG, BMP and whatever else the
// engine writes) as CPU images. Used for the system font, the joypad images,
// the programs' pictures and snapshots.
#pragma once

#include <optional>
#include <string>

#include "screen/argb_image.h"

// Nothing for a file that is not a PNG file.
std::optional<ArgbImage> readImageFile(const std::string& path);

// Writes the image's colours (alpha ignored); the format follows the file name.
bool writeImageFile(const ArgbImage& image, const std::string& path);
