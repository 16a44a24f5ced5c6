// Any bytes as a map file: read into a map of at least 10 x 10 cells with
// tiles of at least 10 pixels, or refused for want of memory; then queried and
// edited cell by cell as a program would.
#include "map_file.h"
#include "work_folder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

void writeFile(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    check(f != nullptr);
    check(std::fwrite(data, 1, size, f) == size);
    check(std::fclose(f) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzzWorkFolder() + "/level.map";
    writeFile(path, data, size);
    TileMap m;
    if (const MapResult r = loadMap(m, path)) {
        check(*r == RunError::OutOfMemory && !m.created);
        return 0;
    }
    check(m.created && m.width >= 10 && m.height >= 10 && m.tileWidth >= 10 && m.tileHeight >= 10);
    check(m.cells.size() == size_t(m.width) * size_t(m.height));
    check(mapSizeX(m) == m.width - 1 && mapSizeY(m) == m.height - 1);

    // Every cell reads back (of a large map, the corner a screen shows); the
    // last cell takes a new value and counts it.
    const bool small = m.cells.size() <= 65536;
    int64_t counted = 0;
    const int32_t first = m.cells.front();
    for (int32_t y = 0; y < (small ? m.height : std::min(m.height, 64)); ++y)
        for (int32_t x = 0; x < (small ? m.width : std::min(m.width, 64)); ++x) {
            int32_t value = -1;
            check(!tile(m, x, y, value) && value == m.cells[size_t(x) + size_t(y) * size_t(m.width)]);
            counted += value == first;
        }
    if (small) check(countTile(m, first) == counted);
    int32_t outside = 0;
    check(tile(m, m.width, 0, outside) == RunError::OutOfRange && tile(m, 0, -1, outside) == RunError::OutOfRange);
    const int32_t fresh = 0x7654321;
    check(!setTile(m, m.width - 1, m.height - 1, fresh));
    int32_t last = 0;
    check(!tile(m, m.width - 1, m.height - 1, last) && last == fresh);
    // Counting walks every cell: a large map's tens of millions would make the
    // run crawl without testing anything new.
    if (!small) return 0;
    const int32_t count = countTile(m, fresh);
    check(count >= 1 && !replaceTile(m, fresh, 0) && countTile(m, fresh) == 0);
    return 0;
}
