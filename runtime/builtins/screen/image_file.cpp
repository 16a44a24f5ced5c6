#include "screen/image_file.h"

#include <irrlicht/irrlicht.h>

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

}  // namespace

std::optional<ArgbImage> readImageFile(const std::string& path) {
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
