// Picture files read by the engine's PNG loader, the same reader as the
// system font's.
#pragma once

#include "image_slots.h"
#include "screen/image_file.h"

class EnginePictureFiles final : public PictureFiles {
public:
    std::optional<Picture> read(const std::string& file) override { return readImageFile(file); }
};
