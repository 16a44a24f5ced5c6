// Map files as the tile-map editor writes them: a stream of number and string
// tokens giving the size in cells, the tile size, the tile image's file name
// and the cells row by row. Files with "Data" lines read like bare values.
#pragma once

#include "tile_map.h"

#include <string>

// Replaces the map with the one in the file. Neither switches drawing on nor
// loads the tile image. A file that ends early leaves the remaining cells 0.
MapResult loadMap(TileMap& m, const std::string& fileName);
