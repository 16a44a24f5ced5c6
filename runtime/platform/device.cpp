#include "device.h"

#include <irrlicht.h>

irr::IrrlichtDevice* createHeadlessDevice(int32_t width, int32_t height) {
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.WindowSize = irr::core::dimension2d<irr::u32>(static_cast<irr::u32>(width), static_cast<irr::u32>(height));
    params.LoggingLevel = irr::ELL_NONE;
    irr::IrrlichtDevice* device = irr::createDeviceEx(params);
    if (device && !device->getVideoDriver()) {
        device->drop();
        return nullptr;
    }
    return device;
}

irr::IrrlichtDevice* createBurningsWindowDevice(int32_t width, int32_t height) {
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_BURNINGSVIDEO;
    params.WindowSize = irr::core::dimension2du(static_cast<irr::u32>(width), static_cast<irr::u32>(height));
    params.LoggingLevel = irr::ELL_NONE;
    return irr::createDeviceEx(params);
}

bool loadSystemFont(irr::IrrlichtDevice& device, const std::string& path) {
    return device.getVideoDriver()->getTexture(path.c_str()) != nullptr;
}

void releaseDevice(irr::IrrlichtDevice* device) {
    if (device) device->drop();
}
