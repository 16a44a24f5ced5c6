// Reading and writing image files (PNG, BMP and whatever else the engine reads)
// as CPU images. Used for the system font, the joypad images and snapshots.
#pragma once

#include <optional>
#include <string>

#include "screen/argb_image.h"

std::optional<ArgbImage> readImageFile(const std::string& path);

// Writes the image's colours (alpha ignored); the format follows the file name.
bool writeImageFile(const ArgbImage& image, const std::string& path);
