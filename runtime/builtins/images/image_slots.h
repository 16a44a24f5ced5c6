// Image slots: pictures loaded whole or cut into equal frames, used by
// DrawImage, the sprites and the map's tiles. Slots count from 1 in the
// language and from 0 here.
#pragma once

#include "errors.h"
#include "picture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace irr::video {
class ITexture;
}

using TexturePtr = irr::video::ITexture*;

struct ImageSlot {
    TexturePtr texture = nullptr;   // for the driver's drawing of sprites and tiles
    std::optional<Picture> image;   // for pixel access
    // The frame's rectangle inside its parent's picture; all -1 for a whole picture.
    int32_t frameX = -1, frameY = -1, frameWidth = -1, frameHeight = -1;
    int32_t parent = -1;  // the slot holding a frame's picture
};

struct ImageSlots {
    std::vector<ImageSlot> slots;
};

// The video driver's side of loading: pictures as textures and as images.
class PictureFiles {
public:
    virtual ~PictureFiles() = default;
    virtual TexturePtr loadTexture(const std::string& file) = 0;
    virtual std::optional<Picture> loadPicture(const std::string& file) = 0;
    virtual void removeTexture(TexturePtr texture) = 0;
};

using ImageResult = std::optional<RunError>;

// Loads a whole picture (frameCount 0) or cuts it into frames of
// frameWidth x frameHeight for slots slot .. slot + frameCount - 1; stops at the
// picture's bottom edge. slot counts from 1.
ImageResult loadImages(ImageSlots& s, PictureFiles& files, const std::string& file, int32_t slot, int32_t frameCount,
                       int32_t frameWidth, int32_t frameHeight);

// Every texture the slots hold goes back to the driver.
void releaseImages(ImageSlots& s, PictureFiles& files);

// A slot's picture as drawing and pixel access see it: a whole picture, or a
// frame's rectangle inside its parent's picture.
struct ResolvedPicture {
    TexturePtr texture = nullptr;
    const Picture* image = nullptr;
    int32_t x = 0, y = 0, width = 0, height = 0;
};

bool isLoaded(const ImageSlots& s, int32_t index);
// A loaded slot's picture with the error DrawImage reports when it cannot be had.
ImageResult resolvePicture(const ImageSlots& s, int32_t index, ResolvedPicture& picture);
