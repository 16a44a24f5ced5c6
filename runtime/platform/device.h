// The Irrlicht drawing device of the phone screen. Irrlicht's headers do not
// compile as C++20, so only the platform files include them, as C++17.
#pragma once

#include <cstdint>
#include <string>

namespace irr {
class IrrlichtDevice;
}

// The device without a display: Irrlicht's null driver, which still loads
// textures and images from files. Null when it cannot be created.
irr::IrrlichtDevice* createHeadlessDevice(int32_t width, int32_t height);

// A device with an X window of its own, drawn by Burning's Video, as the
// benchmarks measure frames; null when there is no display.
irr::IrrlichtDevice* createBurningsWindowDevice(int32_t width, int32_t height);

void releaseDevice(irr::IrrlichtDevice* device);

// Loads the system font as a texture; false when the file is missing or unreadable.
bool loadSystemFont(irr::IrrlichtDevice& device, const std::string& path);
