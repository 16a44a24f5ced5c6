#include "image_slots.h"

#include <new>

namespace {

bool isFrame(const ImageSlot& slot) { return slot.frameX != -1; }

// Slots grow ten beyond the one asked for.
bool growFor(ImageSlots& s, int64_t index) {
    if (index < static_cast<int64_t>(s.slots.size()) - 1) return true;
    try {
        s.slots.resize(static_cast<std::size_t>(index) + 11);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

uint64_t loadedPixels(const ImageSlots& s) {
    uint64_t pixels = 0;
    for (const ImageSlot& slot : s.slots)
        if (slot.image) pixels += static_cast<uint64_t>(slot.image->width) * static_cast<uint64_t>(slot.image->height);
    return pixels;
}

}  // namespace

ImageResult loadImages(ImageSlots& s, PictureFiles& files, const std::string& file, int32_t slot, int32_t frameCount,
                       int32_t frameWidth, int32_t frameHeight) {
    if (slot < 1) return RunError::OutOfRange;
    const int64_t base = slot - 1;
    int32_t x = 0, y = 0, pictureHeight = 0, pictureWidth = 0;
    for (int64_t i = 0;; ++i) {
        if (!growFor(s, base + i)) return RunError::OutOfMemory;
        const std::size_t index = static_cast<std::size_t>(base + i);
        ImageSlot& target = s.slots[index];
        target.image.reset();
        if (i == 0) {
            std::optional<Picture> image = files.read(file);
            if (!image) return RunError::FailedToLoadImage;
            const uint64_t pixels = static_cast<uint64_t>(image->width) * static_cast<uint64_t>(image->height);
            if (loadedPixels(s) + pixels > largestLoadedPixels) return RunError::OutOfMemory;
            target.image = std::make_unique<const Picture>(std::move(*image));
            target.unseen = true;
            pictureWidth = target.image->width;
            pictureHeight = target.image->height;
            if (frameCount < 1) {
                // A whole picture; stale frame fields would make it read as a frame.
                target.frameX = target.frameY = target.frameWidth = target.frameHeight = target.parent = -1;
                return std::nullopt;
            }
        }
        target.parent = static_cast<int32_t>(base);
        target.frameX = x;
        target.frameY = y;
        target.frameWidth = frameWidth;
        target.frameHeight = frameHeight;
        x += frameWidth;
        if (x >= pictureWidth) {
            x = 0;
            y += frameHeight;
        }
        if (i + 1 >= frameCount || y >= pictureHeight) return std::nullopt;
    }
}

bool isLoaded(const ImageSlots& s, int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= s.slots.size()) return false;
    const ImageSlot& slot = s.slots[static_cast<std::size_t>(index)];
    return isFrame(slot) || slot.image;
}

ImageResult resolvePicture(const ImageSlots& s, int32_t index, ResolvedPicture& picture) {
    if (!isLoaded(s, index)) return RunError::ImageNotLoaded;
    const ImageSlot& slot = s.slots[static_cast<std::size_t>(index)];
    if (!isFrame(slot)) {
        if (!slot.image) return RunError::ImageNotLoaded;
        picture = {slot.image.get(), index, 0, 0, slot.image->width, slot.image->height};
        return std::nullopt;
    }
    if (slot.parent < 0 || static_cast<std::size_t>(slot.parent) >= s.slots.size()) return RunError::OutOfRange;
    const ImageSlot& parent = s.slots[static_cast<std::size_t>(slot.parent)];
    if (!parent.image) return RunError::ImageNotLoaded;
    picture = {parent.image.get(), slot.parent, slot.frameX, slot.frameY, slot.frameWidth, slot.frameHeight};
    return std::nullopt;
}

bool firstDrawSinceLoad(ImageSlots& s, int32_t holder) {
    ImageSlot& slot = s.slots[static_cast<std::size_t>(holder)];
    const bool first = slot.unseen;
    slot.unseen = false;
    return first;
}
