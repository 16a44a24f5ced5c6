#include "window_device.h"

#include <irrlicht.h>

#include "screen/irrlicht_presenter.h"

WindowDevice createWindowDevice(uintptr_t surface, int side, const ArgbImage* screenBuffer) {
    irr::SIrrlichtCreationParameters params;
    // Burning's Video needs no GPU, so the phone runs on any X server, Xvfb included.
    params.DriverType = irr::video::EDT_BURNINGSVIDEO;
    params.WindowSize = irr::core::dimension2du(static_cast<irr::u32>(side), static_cast<irr::u32>(side));
    params.Bits = 32;
    params.WindowId = reinterpret_cast<void*>(surface);
    params.IgnoreInput = true;  // Qt receives all input
    params.LoggingLevel = irr::ELL_NONE;
    WindowDevice d;
    d.device = irr::createDeviceEx(params);
    if (!d.device) return d;
    if (!d.device->getVideoDriver()) {
        releaseWindowDevice(d);
        return d;
    }
    // Textures carry images of any size pixel for pixel; Burning's Video would
    // otherwise shrink them to powers of two, smaller than the pixels copied in.
    d.device->getVideoDriver()->setTextureCreationFlag(irr::video::ETCF_ALLOW_NON_POWER_2, true);
    auto presenter = std::make_unique<IrrlichtPresenter>(d.device->getVideoDriver());
    presenter->setScreenBuffer(screenBuffer);
    d.presenter = std::move(presenter);
    return d;
}

void releaseWindowDevice(WindowDevice& d) {
    d.presenter.reset();
    if (d.device) d.device->drop();
    d.device = nullptr;
}

ArgbImage lastPresentedFrame(WindowDevice& d, int width, int height) {
    ArgbImage frame = makeArgbImage(width, height);
    irr::video::IImage* shot = d.device ? d.device->getVideoDriver()->createScreenShot() : nullptr;
    if (!shot) return frame;
    const irr::core::dimension2du size = shot->getDimension();
    for (int y = 0; y < height && y < static_cast<int>(size.Height); ++y)
        for (int x = 0; x < width && x < static_cast<int>(size.Width); ++x)
            frame.row(y)[x] = shot->getPixel(static_cast<irr::u32>(x), static_cast<irr::u32>(y)).color | 0xFF000000u;
    shot->drop();
    return frame;
}
