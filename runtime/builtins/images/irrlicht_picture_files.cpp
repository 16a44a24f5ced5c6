#include "irrlicht_picture_files.h"

#include <irrlicht.h>

std::optional<Picture> IrrlichtPictureFiles::read(const std::string& file) {
    irr::video::IImage* image = device_.getVideoDriver()->createImageFromFile(file.c_str());
    if (!image) return std::nullopt;
    const irr::core::dimension2du size = image->getDimension();
    Picture picture{static_cast<int32_t>(size.Width), static_cast<int32_t>(size.Height), {}};
    picture.pixels.resize(static_cast<std::size_t>(size.Width) * size.Height);
    for (irr::u32 y = 0; y < size.Height; ++y)
        for (irr::u32 x = 0; x < size.Width; ++x) picture.pixels[y * size.Width + x] = image->getPixel(x, y).color;
    image->drop();
    return picture;
}
