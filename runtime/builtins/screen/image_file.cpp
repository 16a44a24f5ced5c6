#include "screen/image_file.h"

#include <irrlicht/irrlicht.h>

#include <cstring>
#include <fstream>

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

// The engine's own loaders trust their files: broken PCX and BMP headers have
// them ask for exabytes of memory, a broken JPEG has them read past their
// buffer. Pictures are PNG files, which the engine reads through libpng, told
// by their first bytes; the engine sees nothing else.
bool isPngFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char head[8] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    const std::streamsize n = in.gcount();
    return n == 8 && std::memcmp(head, "\x89PNG\r\n\x1a\n", 8) == 0;
}

}  // namespace

std::optional<ArgbImage> readImageFile(const std::string& path) {
    if (!isPngFile(path)) return std::nullopt;
    irr::IrrlichtDevice* device = imageDevice();
    if (!device) return std::nullopt;
    irr::video::IImage* image = device->getVideoDriver()->createImageFromFile(path.c_str());
    if (!image) return std::nullopt;
    const irr::core::dimension2du size = image->getDimension();
    ArgbImage out = makeArgbImage(static_cast<int>(size.Width), static_cast<int>(size.Height));
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.row(y)[x] = image->getPixel(x, y).color;
    image->drop();
    return out;
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
