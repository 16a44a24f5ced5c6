// The one tile map a program can hold: a grid of image slot numbers drawn as
// tiles between the screen buffer and the sprites. Commands return the error
// to report, if any.
#pragma once

#include "errors.h"
#include "screen_rect.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TileMap {
    bool created = false;
    int32_t width = 0, height = 0;  // in cells
    std::vector<int32_t> cells;     // cell (x, y) at x + y * width
    // 0 until set or until the first drawing step makes them 32.
    int32_t tileWidth = 0, tileHeight = 0;
    int32_t positionX = 0, positionY = 0;  // the map pixel at the screen's top-left
    bool drawing = false;
    bool clipOn = false;
    ScreenRect clip;
    std::string tileFileName;
};

using MapResult = std::optional<RunError>;

// Replaces the map with width x height zeroed cells; false when the memory
// cannot be had.
bool allocateMap(TileMap& m, int64_t width, int64_t height);

MapResult createMap(TileMap& m, int32_t w, int32_t h);
MapResult setTile(TileMap& m, int32_t x, int32_t y, int32_t t);
MapResult tile(const TileMap& m, int32_t x, int32_t y, int32_t& value);
int32_t mapSizeX(const TileMap& m);
int32_t mapSizeY(const TileMap& m);
MapResult mapTileSize(TileMap& m, int32_t w, int32_t h);
MapResult mapPosition(TileMap& m, int32_t x, int32_t y);
MapResult mapDrawing(TileMap& m, int32_t flag);
void mapClip(TileMap& m, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t screenWidth, int32_t screenHeight);
MapResult replaceTile(TileMap& m, int32_t from, int32_t to);
int32_t countTile(const TileMap& m, int32_t t);
