#include "bmp.h"

#include "replace_file.h"

#include <cstdio>

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

bool writeBmp(const std::string& path, int32_t width, int32_t height, const std::vector<uint32_t>& pixels) {
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) return false;
    constexpr uint32_t fileHeader = 14, infoHeader = 40, masks = 12, bitFields = 3;
    const uint32_t pixelBytes = static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 4;
    const uint32_t offset = fileHeader + infoHeader + masks;

    std::vector<uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + pixelBytes);
    put32(out, 0);  // two reserved words
    put32(out, offset);
    put32(out, infoHeader);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));
    put16(out, 1);   // planes
    put16(out, 32);  // bits per pixel
    put32(out, bitFields);
    put32(out, pixelBytes);
    put32(out, 3780);  // 96 dots per inch, in pixels per metre
    put32(out, 3780);
    put32(out, 0);  // colours used
    put32(out, 0);  // important colours
    put32(out, 0x00FF0000);
    put32(out, 0x0000FF00);
    put32(out, 0x000000FF);
    for (int32_t y = height - 1; y >= 0; --y)
        for (int32_t x = 0; x < width; ++x) put32(out, pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] & 0x00FFFFFF);

    // A full disk leaves no partial picture that the error screen would show.
    return replaceFile(path, [&](FILE* f) { return std::fwrite(out.data(), 1, out.size(), f) == out.size(); });
}
