// The Irrlicht device inside the phone window's drawing surface, and what the
// window asks of it. Irrlicht's headers stay in window_device.cpp (C++17).
#pragma once

#include <cstdint>
#include <memory>

#include "screen/argb_image.h"
#include "screen/presenter.h"

namespace irr {
class IrrlichtDevice;
}

struct WindowDevice {
    irr::IrrlichtDevice* device = nullptr;
    std::unique_ptr<Presenter> presenter;  // draws into the device; released before it
};

// Creates the device in the native window `surface` of side x side pixels,
// with input left to Qt; the presenter names `screenBuffer`'s texture.
// Null device when it or its video driver cannot be created.
WindowDevice createWindowDevice(uintptr_t surface, int side, const ArgbImage* screenBuffer);

void releaseWindowDevice(WindowDevice& d);

// The device's last presented frame, cut to width x height.
ArgbImage lastPresentedFrame(WindowDevice& d, int width, int height);
