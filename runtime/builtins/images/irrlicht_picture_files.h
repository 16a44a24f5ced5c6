// Picture files read by the Irrlicht engine's image loaders (PNG, BMP, JPEG,
// TGA and the rest), as pictures in memory.
#pragma once

#include "image_slots.h"

namespace irr {
class IrrlichtDevice;
}

class IrrlichtPictureFiles final : public PictureFiles {
public:
    explicit IrrlichtPictureFiles(irr::IrrlichtDevice& device) : device_(device) {}
    std::optional<Picture> read(const std::string& file) override;

private:
    irr::IrrlichtDevice& device_;
};
