#include "screen/software_presenter.h"

#include <algorithm>

namespace {

constexpr uint32_t opaque = 0xFF000000u;

// source over destination by the source's alpha
uint32_t blend(uint32_t src, uint32_t dst) {
    const uint32_t a = src >> 24;
    uint32_t out = opaque;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t s = (src >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
        out |= ((s * a + d * (255 - a) + 127) / 255) << shift;
    }
    return out;
}

}  // namespace

SoftwarePresenter::SoftwarePresenter(int width, int height) { resize(width, height); }

void SoftwarePresenter::resize(int width, int height) {
    scene_ = makeArgbImage(width, height, opaque);
    shown_ = scene_;
}

void SoftwarePresenter::beginScene() { std::fill(scene_.pixels.begin(), scene_.pixels.end(), opaque); }

void SoftwarePresenter::drawImage(const ArgbImage& image, bool, Rect source, Point dest, Rect clip,
                                  bool useAlpha) {
    // Everything in destination space: the frame, the clip and the part the source covers.
    const int x1 = std::max({0, clip.x1, dest.x, dest.x - source.x1});
    const int y1 = std::max({0, clip.y1, dest.y, dest.y - source.y1});
    const int x2 = std::min({scene_.width, clip.x2, dest.x + (source.x2 - source.x1),
                             dest.x + (image.width - source.x1)});
    const int y2 = std::min({scene_.height, clip.y2, dest.y + (source.y2 - source.y1),
                             dest.y + (image.height - source.y1)});
    for (int y = y1; y < y2; ++y) {
        const uint32_t* from = image.row(y - dest.y + source.y1) + (source.x1 - dest.x);
        uint32_t* to = scene_.row(y);
        if (useAlpha)
            for (int x = x1; x < x2; ++x) to[x] = blend(from[x], to[x]);
        else
            for (int x = x1; x < x2; ++x) to[x] = from[x] | opaque;
    }
}

void SoftwarePresenter::fillRect(Rect area, uint32_t colour) {
    const int x1 = std::max(area.x1, 0), y1 = std::max(area.y1, 0);
    const int x2 = std::min(area.x2, scene_.width), y2 = std::min(area.y2, scene_.height);
    for (int y = y1; y < y2; ++y) std::fill(scene_.row(y) + x1, scene_.row(y) + std::max(x1, x2), colour | opaque);
}

void SoftwarePresenter::endScene() {
    shown_.pixels = scene_.pixels;
    ++presented_;
}
