// Full-screen SolidBox and Cls on a 360 x 640 screen: megapixels written per second.
#include <chrono>
#include <cstdio>

#include "screen/primitives.h"

int main() {
    Screen s;
    initScreen(s, 360, 640, 0);
    constexpr int rounds = 2000;
    const auto start = std::chrono::steady_clock::now();
    long long pixels = 0;
    for (int i = 0; i < rounds; ++i) {
        s.ink = static_cast<uint32_t>(i);
        solidBox(s, 0, 0, s.width, s.height);
        cls(s);
        pixels += static_cast<long long>(s.width) * s.height + static_cast<long long>(s.bufferX + 1) * s.bufferY;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("SolidBox + Cls, 360 x 640 screen, 640 x 640 buffer: %.0f megapixels per second\n",
                pixels / seconds / 1e6);
    return 0;
}
