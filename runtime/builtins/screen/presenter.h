// What a frame is drawn with: the Irrlicht window, or the software presenter
// of headless runs and tests.
#pragma once

#include <cstdint>

#include "screen/argb_image.h"

class Presenter {
public:
    virtual ~Presenter() = default;
    virtual void beginScene() = 0;  // clears to black
    // Draws the source rectangle of image with its top-left at dest, limited to clip;
    // blended by the image's alpha when useAlpha, else opaque. `changed` tells that
    // the image's pixels differ from the last time it was drawn.
    virtual void drawImage(const ArgbImage& image, bool changed, Rect source, Point dest, Rect clip,
                           bool useAlpha) = 0;
    virtual void fillRect(Rect area, uint32_t colour) = 0;
    virtual void endScene() = 0;  // presents
};
