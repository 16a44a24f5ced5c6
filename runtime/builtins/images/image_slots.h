// Image slots: pictures loaded whole or cut into equal frames, used by
// DrawImage, the sprites and the map's tiles. Slots count from 1 in the
// language and from 0 here.
#pragma once

#include "errors.h"
#include "picture.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The presenter makes the driver's texture of a picture and keeps it while the
// picture lives; the picture stays at one address as the slots grow.
struct ImageSlot {
    std::unique_ptr<const Picture> image;  // none for frames after the first and unloaded slots
    // The frame's rectangle inside its parent's picture; all -1 for a whole picture.
    int32_t frameX = -1, frameY = -1, frameWidth = -1, frameHeight = -1;
    int32_t parent = -1;  // the slot holding a frame's picture
    // Set by a load until the picture is first drawn, so that the presenter
    // never takes a new picture for an old one that lived at its address.
    bool unseen = false;
};

struct ImageSlots {
    std::vector<ImageSlot> slots;
};

// Reads a picture file (a PNG file).
class PictureFiles {
public:
    virtual ~PictureFiles() = default;
    virtual std::optional<Picture> read(const std::string& file) = 0;
};

using ImageResult = std::optional<RunError>;

// All loaded pictures together hold at most 67,108,864 pixels (256 MB): a
// program loading big pictures into slot after slot gets "Out of memory"
// instead of the machine's memory.
inline constexpr uint64_t largestLoadedPixels = 64ull * 1024 * 1024;

// Loads a whole picture (frameCount 0) or cuts it into frames of
// frameWidth x frameHeight for slots slot .. slot + frameCount - 1; stops at the
// picture's bottom edge. slot counts from 1. A picture that would take the
// loaded pixels over their limit is "Out of memory".
ImageResult loadImages(ImageSlots& s, PictureFiles& files, const std::string& file, int32_t slot, int32_t frameCount,
                       int32_t frameWidth, int32_t frameHeight);

// A slot's picture as drawing and pixel access see it: a whole picture, or a
// frame's rectangle inside its parent's picture.
struct ResolvedPicture {
    const Picture* image = nullptr;
    int32_t holder = -1;  // the slot holding the picture: the slot itself or a frame's parent
    int32_t x = 0, y = 0, width = 0, height = 0;
};

bool isLoaded(const ImageSlots& s, int32_t index);
// Whether the picture of the slot holding it (from 0) is drawn for the first
// time since its load; from now on it counts as seen.
bool firstDrawSinceLoad(ImageSlots& s, int32_t holder);
// A loaded slot's picture with the error DrawImage reports when it cannot be had.
ImageResult resolvePicture(const ImageSlots& s, int32_t index, ResolvedPicture& picture);
