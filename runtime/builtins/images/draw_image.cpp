#include "draw_image.h"

ImageResult drawImage(const ImageSlots& slots, Screen& screen, int32_t x, int32_t y, int32_t slot) {
    if (slot < 1) return RunError::OutOfRange;
    ResolvedPicture picture;
    if (ImageResult failed = resolvePicture(slots, slot - 1, picture)) return failed;
    for (int32_t j = 0; j < picture.height; ++j) {
        const int64_t ty = int64_t{y} + j;
        if (ty < 0 || ty > screen.bufferY) continue;
        for (int32_t i = 0; i < picture.width; ++i) {
            const int64_t tx = int64_t{x} + i;
            if (tx < 0 || tx > screen.bufferX) continue;
            // No blending: an opaque pixel replaces the buffer's, a transparent one leaves it.
            const uint32_t argb = pixelOrTransparent(*picture.image, picture.x + i, picture.y + j);
            if (isOpaque(argb)) putPixel(screen, static_cast<int>(tx), static_cast<int>(ty), argb);
        }
    }
    screen.bufferChanged = true;
    return std::nullopt;
}
