// Tile map built-ins and the `z5` load, handed to the map module.
#include "arguments.h"
#include "groups.h"
#include "map_file.h"
#include "modules.h"
#include "report.h"

namespace {

ValueKind reportIfFailed(Interp& in, MapResult result) {
    if (result) report(in, *result);
    return ValueKind::None;
}

}  // namespace

ValueKind mapBuiltin(Interp& in, int32_t code) {
    TileMap& m = in.modules->map;
    const Screen& screen = in.modules->emulator.screen;
    const int32_t a = intArg(in, 0), b = intArg(in, 1);
    switch (code) {
        case 104: return reportIfFailed(in, mapDrawing(m, a));
        case 106: return reportIfFailed(in, mapTileSize(m, a, b));
        case 107: return reportIfFailed(in, mapPosition(m, a, b));
        case 131: return reportIfFailed(in, createMap(m, a, b));
        case 132: return reportIfFailed(in, setTile(m, a, b, intArg(in, 2)));
        case 133: {
            int32_t value = 0;
            if (MapResult failed = tile(m, a, b, value)) return reportIfFailed(in, failed);
            return returnInt(in, value);
        }
        case 134: return returnInt(in, mapSizeX(m));
        case 135: return returnInt(in, mapSizeY(m));
        case 203: return reportIfFailed(in, replaceTile(m, a, b));
        case 204:
            mapClip(m, a, b, intArg(in, 2), intArg(in, 3), screen.width, screen.height);
            return ValueKind::None;
        case 209: return returnString(in, m.tileFileName);
        case 210: return returnInt(in, countTile(m, a));
        case 217: return returnInt(in, m.tileWidth);
        case 218: return returnInt(in, m.tileHeight);
        default: return ValueKind::None;
    }
}

void loadMapResource(Interp& in, const std::string& fileName) { reportIfFailed(in, loadMap(in.modules->map, fileName)); }
