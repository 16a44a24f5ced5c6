// Update of a 360 x 640 screen with SetSpeed 1000 and SetInterval 0, presented
// with Burning's Video in a window of its own: frames per second. The buffer
// changes every frame, so every frame refreshes the texture. Needs a display
// (run under xvfb-run when there is none).
#include <chrono>
#include <cstdio>

#include <irrlicht/irrlicht.h>

#include "device.h"
#include "screen/irrlicht_presenter.h"
#include "screen/primitives.h"
#include "screen/update.h"

namespace {

constexpr int frames = 1500;

// Seconds for the frames; the presenter and its textures end before the device.
double timeFrames(irr::IrrlichtDevice* device) {
    Screen s;
    initScreen(s, 360, 640, 0);
    setSpeed(s, 1000);
    setInterval(s, 0);
    IrrlichtPresenter presenter(device->getVideoDriver());
    presenter.setScreenBuffer(&s.buffer);
    SystemClock clock;
    s.pacing.lastUpdateMs = clock.realTimeMs();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames && device->run(); ++i) {
        s.ink = static_cast<uint32_t>(i * 2654435761u);
        solidBox(s, i % 300, i % 600, i % 300 + 60, i % 600 + 40);
        if (update(s, presenter, clock, 0, nullptr)) return -1;
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
    irr::IrrlichtDevice* device = createBurningsWindowDevice(360, 640);
    if (!device) {
        std::printf("Update benchmark: no display for Burning's Video, nothing measured\n");
        return 0;
    }
    const double seconds = timeFrames(device);
    releaseDevice(device);
    if (seconds <= 0) return 1;
    std::printf("Update, 360 x 640 screen, Burning's Video: %.0f frames per second\n", frames / seconds);
    return 0;
}
