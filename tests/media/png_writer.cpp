#include "png_writer.h"

#include "device.h"

#include <irrlicht.h>

#include <vector>

bool writePng(const std::string& path, int width, int height, const std::function<uint32_t(int x, int y)>& pixel) {
    irr::IrrlichtDevice* device = createHeadlessDevice(16, 16);
    if (!device) return false;
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels[static_cast<std::size_t>(y * width + x)] = pixel(x, y);
    irr::video::IVideoDriver* driver = device->getVideoDriver();
    irr::video::IImage* image = driver->createImageFromData(
        irr::video::ECF_A8R8G8B8, irr::core::dimension2du(static_cast<irr::u32>(width), static_cast<irr::u32>(height)),
        pixels.data(), false, false);
    const bool written = image && driver->writeImageToFile(image, path.c_str());
    if (image) image->drop();
    releaseDevice(device);
    return written;
}

bool writeTwoFrameSheet(const std::string& path) {
    return writePng(path, 32, 16, [](int x, int y) { return (x < 8 || (x >= 16 && y >= 8)) ? 0xff00ff00u : 0u; });
}
