// Writes test pictures as PNG files through Irrlicht's image writer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Writes a width x height PNG whose pixel (x, y) has the ARGB value pixel(x, y);
// false when it cannot be written.
bool writePng(const std::string& path, int width, int height, const std::function<uint32_t(int x, int y)>& pixel);

// The sprite sheet of the image and program tests: two 16 x 16 frames side by
// side, the first opaque green in its left half, the second in its bottom half.
bool writeTwoFrameSheet(const std::string& path);
