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

ValueKind mapBuiltin(Interp& in, Builtin code) {
    TileMap& m = in.modules->map;
    const Screen& screen = in.modules->emulator.screen;
    const int32_t a = intArg(in, 0), b = intArg(in, 1);
    switch (code) {
        case Builtin::Map: return reportIfFailed(in, mapDrawing(m, a));
        case Builtin::MapTileSize: return reportIfFailed(in, mapTileSize(m, a, b));
        case Builtin::MapPosition: return reportIfFailed(in, mapPosition(m, a, b));
        case Builtin::CreateMap: return reportIfFailed(in, createMap(m, a, b));
        case Builtin::SetTile: return reportIfFailed(in, setTile(m, a, b, intArg(in, 2)));
        case Builtin::Tile: {
            int32_t value = 0;
            if (MapResult failed = tile(m, a, b, value)) return reportIfFailed(in, failed);
            return returnInt(in, value);
        }
        case Builtin::MapSizeX: return returnInt(in, mapSizeX(m));
        case Builtin::MapSizeY: return returnInt(in, mapSizeY(m));
        case Builtin::ReplaceTile: return reportIfFailed(in, replaceTile(m, a, b));
        case Builtin::MapClip:
            mapClip(m, a, b, intArg(in, 2), intArg(in, 3), screen.width, screen.height);
            return ValueKind::None;
        case Builtin::MapTileFilename: return returnString(in, m.tileFileName);
        case Builtin::CountTile: return returnInt(in, countTile(m, a));
        case Builtin::MapTileX: return returnInt(in, m.tileWidth);
        case Builtin::MapTileY: return returnInt(in, m.tileHeight);
        default: return ValueKind::None;
    }
}

void loadMapResource(Interp& in, const std::string& fileName) { reportIfFailed(in, loadMap(in.modules->map, fileName)); }
