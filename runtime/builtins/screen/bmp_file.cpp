#include "screen/bmp_file.h"

#include <cstdio>

namespace {

constexpr uint32_t fileHeaderSize = 14;
constexpr uint32_t infoHeaderSize = 40;

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> bmpBytes(const ArgbImage& image) {
    const uint32_t width = static_cast<uint32_t>(image.width);
    const uint32_t height = static_cast<uint32_t>(image.height);
    const uint32_t rowBytes = (width * 3 + 3) / 4 * 4;  // rows are padded to whole words
    const uint32_t pixelBytes = rowBytes * height;
    const uint32_t offset = fileHeaderSize + infoHeaderSize;
    std::vector<uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + pixelBytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, offset);
    put32(out, infoHeaderSize);
    put32(out, width);
    put32(out, height);  // positive: the last row comes first
    put16(out, 1);       // planes
    put16(out, 24);      // bits per pixel
    put32(out, 0);       // no compression
    put32(out, pixelBytes);
    put32(out, 0);       // pixels per metre, x and y: unknown
    put32(out, 0);
    put32(out, 0);       // no palette
    put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        const uint32_t* row = image.row(y);
        for (int x = 0; x < image.width; ++x) {
            out.push_back(static_cast<uint8_t>(row[x]));        // blue
            out.push_back(static_cast<uint8_t>(row[x] >> 8));   // green
            out.push_back(static_cast<uint8_t>(row[x] >> 16));  // red
        }
        for (uint32_t pad = width * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

bool writeBmpFile(const ArgbImage& image, const std::string& path) {
    const std::vector<uint8_t> bytes = bmpBytes(image);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}
