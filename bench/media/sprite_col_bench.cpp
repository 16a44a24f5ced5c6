// Times 1,000 pixel-exact SpriteCol tests of two 64 x 64 sprites that overlap
// by a corner, over pictures with a transparent border, and prints the figures.
#include "sprites.h"

#include <chrono>
#include <cstdio>

namespace {

class OnePicture : public PictureFiles {
public:
    std::optional<Picture> read(const std::string&) override {
        Picture p = makeArgbImage(64, 64);
        for (int y = 4; y < 60; ++y)
            for (int x = 4; x < 60; ++x) p.pixels[static_cast<std::size_t>(y * 64 + x)] = 0xff808080u;
        return p;
    }
};

}  // namespace

int main() {
    OnePicture files;
    ImageSlots slots;
    Sprites sp;
    if (loadImages(slots, files, "ball", 1, 0, 0, 0) || sprite(sp, slots, 1, 0, 0, 1)) return 1;
    constexpr int tests = 1000;
    int64_t total = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < tests; ++i) {
        // b moves along the diagonal so that every test overlaps a different area.
        if (sprite(sp, slots, 2, 1 + i % 62, 1 + (i * 7) % 62, 1)) return 1;
        int32_t pairs = 0;
        spriteCol(sp, slots, 2, 1, pairs);
        total += pairs;
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("SpriteCol, pixel-exact, 64 x 64: %d tests in %.2f ms (%.2f us per test; %lld opaque pairs)\n", tests, ms,
                ms * 1000.0 / tests, static_cast<long long>(total));
    return 0;
}
