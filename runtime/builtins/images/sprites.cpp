#include "sprites.h"

namespace {

bool validSprite(int32_t n) { return n >= 1 && n <= spriteCount; }

SpriteEntry& entry(Sprites& sp, int32_t n) { return sp.table[static_cast<std::size_t>(n - 1)]; }
const SpriteEntry& entry(const Sprites& sp, int32_t n) { return sp.table[static_cast<std::size_t>(n - 1)]; }

// With Priority on, sprites at this depth or below are never drawn.
constexpr int32_t hiddenDepth = 10000;

}  // namespace

ImageResult sprite(Sprites& sp, const ImageSlots& slots, int32_t n, int32_t x, int32_t y, int32_t slot) {
    if (!validSprite(n) || slot < 1) return RunError::OutOfRange;
    if (!isLoaded(slots, slot - 1)) return RunError::ImageNotLoaded;
    entry(sp, n) = {x, y, slot - 1, true};
    return std::nullopt;
}

ImageResult spritePosition(Sprites& sp, int32_t n, int32_t x, int32_t y) {
    if (!validSprite(n)) return RunError::OutOfRange;
    entry(sp, n).x = x;
    entry(sp, n).y = y;
    return std::nullopt;
}

ImageResult spriteSwitch(Sprites& sp, int32_t n, bool on) {
    if (!validSprite(n)) return RunError::OutOfRange;
    entry(sp, n).on = on;
    return std::nullopt;
}

ImageResult spriteX(const Sprites& sp, int32_t n, int32_t& x) {
    x = 0;
    if (!validSprite(n)) return RunError::OutOfRange;
    x = entry(sp, n).x;
    return std::nullopt;
}

ImageResult spriteY(const Sprites& sp, int32_t n, int32_t& y) {
    y = 0;
    if (!validSprite(n)) return RunError::OutOfRange;
    y = entry(sp, n).y;
    return std::nullopt;
}

void spriteClip(Sprites& sp, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t screenWidth, int32_t screenHeight) {
    sp.clip = orderedClip(x1, y1, x2, y2, screenWidth, screenHeight);
    sp.clipOn = true;
}

std::vector<int> spriteDrawOrder(const Sprites& sp) {
    std::vector<int> order;
    order.reserve(spriteCount);
    if (!sp.priority) {
        for (int i = 0; i < spriteCount; ++i) order.push_back(i);
        return order;
    }
    std::array<bool, spriteCount> picked{};
    for (int round = 0; round < spriteCount; ++round) {
        int best = -1;
        for (int i = 0; i < spriteCount; ++i) {
            const int32_t y = sp.table[static_cast<std::size_t>(i)].y;
            if (picked[static_cast<std::size_t>(i)] || y >= hiddenDepth) continue;
            if (best < 0 || y < sp.table[static_cast<std::size_t>(best)].y) best = i;
        }
        if (best < 0) break;
        picked[static_cast<std::size_t>(best)] = true;
        order.push_back(best);
    }
    return order;
}
