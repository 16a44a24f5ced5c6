#include "map_draws.h"

#include <algorithm>

namespace {

constexpr int32_t defaultTileSize = 32;

}  // namespace

std::vector<PictureDraw> mapDraws(TileMap& m, ImageSlots& slots, const ScreenClip& screen, int32_t margin) {
    std::vector<PictureDraw> draws;
    if (!m.created || !m.drawing) return draws;
    if (m.tileWidth == 0) m.tileWidth = defaultTileSize;
    if (m.tileHeight == 0) m.tileHeight = defaultTileSize;
    const int32_t tw = m.tileWidth, th = m.tileHeight;
    const ScreenRect clip = layerClip(m.clipOn, m.clip, screen, margin);

    const int32_t firstColumn = m.positionX / tw, firstRow = m.positionY / th;
    // The screen position of column firstColumn + 1: the first column starts
    // one tile further left, partly off the screen at positions between tiles.
    const int64_t offsetX = int64_t{tw} * (firstColumn + 1) - m.positionX;
    const int64_t offsetY = int64_t{th} * (firstRow + 1) - m.positionY;
    const int32_t columns = std::min(screen.screenWidth / tw + 1, m.width) + 1;
    const int32_t rows = std::min(screen.screenHeight / th + 1, m.height);

    for (int32_t k = 0; k <= rows; ++k) {
        const int64_t row = int64_t{firstRow} + k;
        if (row >= m.height) break;
        for (int32_t i = 0; i < columns; ++i) {
            const int64_t column = int64_t{firstColumn} + i;
            if (column >= m.width) break;
            const int32_t t = m.cells[static_cast<std::size_t>(column + row * m.width)];
            if (t < 1 || static_cast<std::size_t>(t) > slots.slots.size()) continue;
            const ImageSlot& slot = slots.slots[static_cast<std::size_t>(t - 1)];
            // Only frames are drawn: a whole picture gives an empty source rectangle.
            if (slot.frameX == -1 || slot.parent < 0 || static_cast<std::size_t>(slot.parent) >= slots.slots.size()) continue;
            const Picture* picture = slots.slots[static_cast<std::size_t>(slot.parent)].image.get();
            if (!picture) continue;
            draws.push_back({picture, firstDrawSinceLoad(slots, slot.parent), slot.frameX, slot.frameY, slot.frameWidth, slot.frameHeight,
                             static_cast<int32_t>(int64_t{i - 1} * tw + offsetX + margin), static_cast<int32_t>(int64_t{k - 1} * th + offsetY), clip});
        }
    }
    return draws;
}
