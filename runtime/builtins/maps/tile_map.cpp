#include "tile_map.h"

#include <algorithm>
#include <new>

namespace {

// A bound on the cells a map may hold (256 MB of cells), so that huge sizes
// from a program or a map file fail with "Out of memory" instead of taking the
// machine down.
constexpr int64_t maxMapCells = int64_t{1} << 26;

bool insideMap(const TileMap& m, int32_t x, int32_t y) { return x >= 0 && y >= 0 && x < m.width && y < m.height; }

}  // namespace

bool allocateMap(TileMap& m, int64_t width, int64_t height) {
    m.created = false;
    m.width = m.height = 0;
    m.cells.clear();
    m.cells.shrink_to_fit();
    if (width < 0 || height < 0 || width * height > maxMapCells) return false;
    try {
        m.cells.assign(static_cast<std::size_t>(width * height), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    m.created = true;
    m.width = static_cast<int32_t>(width);
    m.height = static_cast<int32_t>(height);
    return true;
}

MapResult createMap(TileMap& m, int32_t w, int32_t h) {
    if (w < 0 || h < 0) return RunError::OutOfRange;
    if (!allocateMap(m, int64_t{w} + 1, int64_t{h} + 1)) return RunError::OutOfMemory;
    return std::nullopt;
}

MapResult setTile(TileMap& m, int32_t x, int32_t y, int32_t t) {
    if (!m.created) return RunError::MapNotCreated;
    if (t < 0 || !insideMap(m, x, y)) return RunError::OutOfRange;
    m.cells[static_cast<std::size_t>(x) + static_cast<std::size_t>(y) * static_cast<std::size_t>(m.width)] = t;
    return std::nullopt;
}

MapResult tile(const TileMap& m, int32_t x, int32_t y, int32_t& value) {
    value = 0;
    if (!m.created) return RunError::MapNotCreated;
    if (!insideMap(m, x, y)) return RunError::OutOfRange;
    value = m.cells[static_cast<std::size_t>(x) + static_cast<std::size_t>(y) * static_cast<std::size_t>(m.width)];
    return std::nullopt;
}

int32_t mapSizeX(const TileMap& m) { return m.width - 1; }
int32_t mapSizeY(const TileMap& m) { return m.height - 1; }

MapResult mapTileSize(TileMap& m, int32_t w, int32_t h) {
    if (w < 1 || h < 1) return RunError::OutOfRange;
    m.tileWidth = w;
    m.tileHeight = h;
    return std::nullopt;
}

MapResult mapPosition(TileMap& m, int32_t x, int32_t y) {
    if (!m.created) return RunError::MapNotCreated;
    if (x < 0 || y < 0) return RunError::OutOfRange;
    m.positionX = x;
    m.positionY = y;
    m.drawing = true;
    return std::nullopt;
}

MapResult mapDrawing(TileMap& m, int32_t flag) {
    if (!m.created) return RunError::MapNotCreated;
    m.drawing = flag > 0;
    return std::nullopt;
}

void mapClip(TileMap& m, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t screenWidth, int32_t screenHeight) {
    m.clip = orderedClip(x1, y1, x2, y2, screenWidth, screenHeight);
    m.clipOn = true;
}

MapResult replaceTile(TileMap& m, int32_t from, int32_t to) {
    if (!m.created) return RunError::MapNotCreated;
    if (from < 0 || to < 0) return RunError::OutOfRange;
    std::replace(m.cells.begin(), m.cells.end(), from, to);
    return std::nullopt;
}

int32_t countTile(const TileMap& m, int32_t t) {
    return static_cast<int32_t>(std::count(m.cells.begin(), m.cells.end(), t));
}
