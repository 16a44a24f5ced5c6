#include "screen/irrlicht_presenter.h"

#include <algorithm>
#include <cstring>

#include <irrlicht/irrlicht.h>

namespace {

using namespace irr;

Rect wholeOf(const ArgbImage& image) { return {0, 0, image.width, image.height}; }

Rect intersection(Rect a, Rect b) {
    return {std::max(a.x1, b.x1), std::max(a.y1, b.y1), std::min(a.x2, b.x2), std::min(a.y2, b.y2)};
}

bool inside(Rect inner, Rect outer) {
    return inner.x1 >= outer.x1 && inner.y1 >= outer.y1 && inner.x2 <= outer.x2 && inner.y2 <= outer.y2;
}

void upload(video::ITexture* texture, const ArgbImage& image, Rect area) {
    // A driver may make the texture smaller than asked (its largest size):
    // copy only what it holds.
    const core::dimension2du size = texture->getSize();
    area.x1 = std::max(area.x1, 0);
    area.y1 = std::max(area.y1, 0);
    area.x2 = std::min(area.x2, static_cast<int>(std::min<u32>(size.Width, static_cast<u32>(image.width))));
    area.y2 = std::min(area.y2, static_cast<int>(std::min<u32>(size.Height, static_cast<u32>(image.height))));
    if (area.x1 >= area.x2 || area.y1 >= area.y2) return;
    auto* to = static_cast<uint8_t*>(texture->lock());
    if (!to) return;
    const size_t pitch = texture->getPitch();
    const size_t rowBytes = static_cast<size_t>(area.x2 - area.x1) * 4;
    for (int y = area.y1; y < area.y2; ++y)
        std::memcpy(to + static_cast<size_t>(y) * pitch + static_cast<size_t>(area.x1) * 4, image.row(y) + area.x1,
                    rowBytes);
    texture->unlock();
}

}  // namespace

IrrlichtPresenter::~IrrlichtPresenter() {
    for (auto& [image, t] : textures_) driver_->removeTexture(t.texture);
}

void IrrlichtPresenter::forget(const ArgbImage& image) {
    const auto found = textures_.find(&image);
    if (found == textures_.end()) return;
    driver_->removeTexture(found->second.texture);
    textures_.erase(found);
}

video::ITexture* IrrlichtPresenter::textureFor(const ArgbImage& image, bool changed, Rect source) {
    Texture& t = textures_[&image];
    const bool remade = t.pixels != image.pixels.data() || t.width != image.width || t.height != image.height;
    if (remade) {
        if (t.texture) driver_->removeTexture(t.texture);
        const std::string name = &image == screenBuffer_ ? "i_xst_screen" : "orb_image_" + std::to_string(nextName_++);
        t.texture = driver_->addTexture(
            core::dimension2du(static_cast<u32>(image.width), static_cast<u32>(image.height)), name.c_str(),
            video::ECF_A8R8G8B8);
        t.pixels = image.pixels.data();
        t.width = image.width;
        t.height = image.height;
        // Only 32-bit textures take the pixels as they are; the driver was asked for one.
        if (t.texture && t.texture->getColorFormat() != video::ECF_A8R8G8B8) {
            driver_->removeTexture(t.texture);
            t.texture = nullptr;
        }
    }
    if (!t.texture) return nullptr;
    const Rect drawn = intersection(source, wholeOf(image));
    if (remade || changed) {
        upload(t.texture, image, drawn);
        t.freshArea = drawn;
        t.partlyFresh = !inside(wholeOf(image), drawn);
    } else if (t.partlyFresh && !inside(drawn, t.freshArea)) {
        upload(t.texture, image, wholeOf(image));
        t.partlyFresh = false;
    }
    return t.texture;
}

void IrrlichtPresenter::beginScene() { driver_->beginScene(true, false, video::SColor(255, 0, 0, 0)); }

void IrrlichtPresenter::drawImage(const ArgbImage& image, bool changed, Rect source, Point dest, Rect clip,
                                  bool useAlpha) {
    video::ITexture* texture = textureFor(image, changed, source);
    if (!texture) return;
    const core::rect<s32> clipRect(clip.x1, clip.y1, clip.x2, clip.y2);
    driver_->draw2DImage(texture, core::position2di(dest.x, dest.y),
                         core::rect<s32>(source.x1, source.y1, source.x2, source.y2), &clipRect,
                         video::SColor(255, 255, 255, 255), useAlpha);
}

void IrrlichtPresenter::fillRect(Rect area, uint32_t colour) {
    driver_->draw2DRectangle(video::SColor(colour | 0xFF000000u), core::rect<s32>(area.x1, area.y1, area.x2, area.y2));
}

void IrrlichtPresenter::endScene() { driver_->endScene(); }
