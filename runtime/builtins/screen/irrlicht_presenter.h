// Presents frames with an Irrlicht video driver: each image drawn becomes a
// texture, refreshed from its CPU pixels only when they changed. The screen
// buffer's texture is named "i_xst_screen".
#pragma once

#include <string>
#include <unordered_map>

#include "screen/presenter.h"

namespace irr::video {
class IVideoDriver;
class ITexture;
}  // namespace irr::video

class IrrlichtPresenter final : public Presenter {
public:
    explicit IrrlichtPresenter(irr::video::IVideoDriver* driver) : driver_(driver) {}
    ~IrrlichtPresenter() override;
    IrrlichtPresenter(const IrrlichtPresenter&) = delete;
    IrrlichtPresenter& operator=(const IrrlichtPresenter&) = delete;

    // The image whose texture carries the screen buffer's name.
    void setScreenBuffer(const ArgbImage* buffer) { screenBuffer_ = buffer; }
    // Drops the texture of an image that is about to be freed.
    void forget(const ArgbImage& image);

    void beginScene() override;
    void drawImage(const ArgbImage& image, bool changed, Rect source, Point dest, Rect clip,
                   bool useAlpha) override;
    void fillRect(Rect area, uint32_t colour) override;
    void endScene() override;

private:
    struct Texture {
        irr::video::ITexture* texture = nullptr;
        const uint32_t* pixels = nullptr;  // the pixel block it was made from
        int width = 0, height = 0;
        // After a change only the drawn part is refreshed; the rest follows when needed.
        bool partlyFresh = false;
        Rect freshArea;
    };
    irr::video::ITexture* textureFor(const ArgbImage& image, bool changed, Rect source);

    irr::video::IVideoDriver* driver_;
    const ArgbImage* screenBuffer_ = nullptr;
    std::unordered_map<const ArgbImage*, Texture> textures_;
    int nextName_ = 0;
};
