// Update of a 360 x 640 screen with a full-screen tile map scrolling under 64
// moving sprites, presented with Burning's Video in a window of its own, at
// SetSpeed 1000 and SetInterval 0: frames per second. Needs a display (run
// under tests/screen/with_xvfb.sh when there is none).
#include <chrono>
#include <cstdio>

#include <irrlicht/irrlicht.h>

#include "device.h"
#include "screen/irrlicht_presenter.h"
#include "screen/update.h"
#include "tile_map.h"
#include "world_layers.h"

namespace {

constexpr int frames = 1500;

// A 128 x 32 sheet of four 32 x 32 frames; the sprites' frame is a disc.
class SheetFiles : public PictureFiles {
public:
    std::optional<Picture> read(const std::string&) override {
        Picture p = makeArgbImage(128, 32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 128; ++x) {
                const int dx = x % 32 - 16, dy = y - 16;
                const bool disc = dx * dx + dy * dy < 200;
                p.row(y)[x] = x < 96 ? 0xff000000u | static_cast<uint32_t>(x * 2000 + y * 7) : disc ? 0xffffd700u : 0u;
            }
        return p;
    }
};

double timeFrames(irr::IrrlichtDevice* device) {
    Screen s;
    initScreen(s, 360, 640, 0);
    setSpeed(s, 1000);
    setInterval(s, 0);
    SheetFiles files;
    Images images(files);
    TileMap map;
    if (loadImages(images.slots, files, "sheet", 1, 4, 32, 32) || createMap(map, 59, 39)) return -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) setTile(map, x, y, 1 + (x + y) % 3);
    for (int n = 1; n <= 64; ++n) sprite(images.sprites, images.slots, n, (n * 37) % 330, (n * 71) % 610, 4);
    images.sprites.priority = true;

    IrrlichtPresenter presenter(device->getVideoDriver());
    presenter.setScreenBuffer(&s.buffer);
    SystemClock clock;
    s.pacing.lastUpdateMs = clock.realTimeMs();
    const FrameLayers layers = [&](Presenter& p) { drawMapAndSprites(map, images, s, p, 0); };
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames && device->run(); ++i) {
        // The map scrolls diagonally by positions between tiles; every sprite moves.
        mapPosition(map, (i * 3) % 1500, (i * 2) % 600);
        for (int n = 1; n <= 64; ++n) {
            const SpriteEntry& e = images.sprites.table[static_cast<std::size_t>(n - 1)];
            spritePosition(images.sprites, n, (e.x + n % 5 + 1) % 360, (e.y + n % 3 + 1) % 640);
        }
        if (update(s, presenter, clock, 0, layers)) return -1;
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
    irr::IrrlichtDevice* device = createBurningsWindowDevice(360, 640);
    if (!device) {
        std::printf("Map and sprites benchmark: no display for Burning's Video, nothing measured\n");
        return 0;
    }
    const double seconds = timeFrames(device);
    releaseDevice(device);
    if (seconds <= 0) return 1;
    std::printf("Update with a scrolling 360 x 640 tile map and 64 moving sprites, Burning's Video: %.0f frames per second\n",
                frames / seconds);
    return 0;
}
