#include "draw_image.h"

ImageResult drawImage(const ImageSlots& slots, PixelTarget& target, int32_t x, int32_t y, int32_t slot) {
    if (slot < 1) return RunError::OutOfRange;
    ResolvedPicture picture;
    if (ImageResult failed = resolvePicture(slots, slot - 1, picture)) return failed;
    for (int32_t j = 0; j < picture.height; ++j) {
        const int64_t ty = int64_t{y} + j;
        if (ty < 0 || ty >= target.height) continue;
        if (target.clipOn && (ty < target.clip.y1 || ty > target.clip.y2)) continue;
        for (int32_t i = 0; i < picture.width; ++i) {
            const int64_t tx = int64_t{x} + i;
            if (tx < 0 || tx >= target.width) continue;
            if (target.clipOn && (tx < target.clip.x1 || tx > target.clip.x2)) continue;
            // No blending: an opaque pixel replaces the buffer's, a transparent one leaves it.
            const uint32_t argb = picture.image->at(picture.x + i, picture.y + j);
            if (isOpaque(argb)) target.pixels[ty * target.pitch + tx] = argb;
        }
    }
    return std::nullopt;
}
