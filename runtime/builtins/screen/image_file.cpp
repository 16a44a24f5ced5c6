#include "screen/image_file.h"

#include <irrlicht/irrlicht.h>

#include <cstring>
#include <fstream>
#include <new>

namespace {

// A device without a window gives the engine's image loaders and writers.
irr::IrrlichtDevice* imageDevice() {
    static irr::IrrlichtDevice* device = [] {
        irr::SIrrlichtCreationParameters params;
        params.DriverType = irr::video::EDT_NULL;
        params.LoggingLevel = irr::ELL_NONE;
        return irr::createDeviceEx(params);
    }();
    return device;
}

uint32_t bigEndian32(const unsigned char* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

// The engine's own loaders trust their files: broken PCX and BMP headers have
// them ask for exabytes of memory, a broken JPEG has them read past their
// buffer. Pictures are PNG files, which the engine reads through libpng, told
// by their first bytes; the engine sees nothing else, and nothing whose
// header (the IHDR chunk that must come first) gives more pixels than the limit.
bool isPngFileWithinLimit(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char head[24] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    if (in.gcount() != sizeof head || std::memcmp(head, "\x89PNG\r\n\x1a\n", 8) != 0 ||
        std::memcmp(head + 12, "IHDR", 4) != 0)
        return false;
    const uint64_t width = bigEndian32(head + 16), height = bigEndian32(head + 20);
    return width > 0 && height > 0 && width * height <= largestPicturePixels;
}

}  // namespace

std::optional<ArgbImage> readImageFile(const std::string& path) {
    if (!isPngFileWithinLimit(path)) return std::nullopt;
    irr::IrrlichtDevice* device = imageDevice();
    if (!device) return std::nullopt;
    irr::video::IImage* image = nullptr;
    try {
        image = device->getVideoDriver()->createImageFromFile(path.c_str());
        if (!image) return std::nullopt;
        const irr::core::dimension2du size = image->getDimension();
        ArgbImage out = makeArgbImage(static_cast<int>(size.Width), static_cast<int>(size.Height));
        for (int y = 0; y < out.height; ++y)
            for (int x = 0; x < out.width; ++x) out.row(y)[x] = image->getPixel(x, y).color;
        image->drop();
        return out;
    } catch (const std::bad_alloc&) {
        // Within the limit, but more than the memory left: a picture that cannot be loaded.
        if (image) image->drop();
        return std::nullopt;
    }
}

bool writeImageFile(const ArgbImage& image, const std::string& path) {
    irr::IrrlichtDevice* device = imageDevice();
    if (!device || image.width <= 0 || image.height <= 0) return false;
    irr::video::IVideoDriver* driver = device->getVideoDriver();
    ArgbImage opaque = makeArgbImage(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) opaque.row(y)[x] = image.at(x, y) | 0xFF000000u;
    irr::video::IImage* written = driver->createImageFromData(
        irr::video::ECF_A8R8G8B8,
        irr::core::dimension2du(static_cast<irr::u32>(image.width), static_cast<irr::u32>(image.height)),
        opaque.pixels.data(), false, false);
    if (!written) return false;
    const bool ok = driver->writeImageToFile(written, path.c_str());
    written->drop();
    return ok;
}
