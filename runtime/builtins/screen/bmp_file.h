// The screenshot orbdump.bmp: a Windows BMP of the screen control as it was
// last shown, 24 bits per pixel, rows bottom-up, so every BMP reader takes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "screen/argb_image.h"

// The file's bytes: 14-byte file header, 40-byte information header, pixel rows.
std::vector<uint8_t> bmpBytes(const ArgbImage& image);

bool writeBmpFile(const ArgbImage& image, const std::string& path);
