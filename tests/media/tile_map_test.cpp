// Tile map commands and the map file reader.
#include "map_file.h"
#include "media_files.h"

#include <gtest/gtest.h>

namespace {

int32_t cell(const TileMap& m, int32_t x, int32_t y) {
    int32_t v = -1;
    EXPECT_EQ(tile(m, x, y, v), std::nullopt);
    return v;
}

TEST(TileMap, CreateMapHasOneMoreCellThanAskedEachWay) {
    TileMap m;
    ASSERT_EQ(createMap(m, 9, 4), std::nullopt);
    EXPECT_EQ(mapSizeX(m), 9);
    EXPECT_EQ(mapSizeY(m), 4);
    EXPECT_EQ(m.cells.size(), 50u);
    EXPECT_EQ(cell(m, 9, 4), 0);
    int32_t v = 0;
    EXPECT_EQ(tile(m, 10, 0, v), RunError::OutOfRange);
    EXPECT_EQ(tile(m, 0, 5, v), RunError::OutOfRange);
    EXPECT_EQ(tile(m, -1, 0, v), RunError::OutOfRange);
    EXPECT_EQ(createMap(m, -1, 0), RunError::OutOfRange);
}

TEST(TileMap, CommandsWithoutAMap) {
    TileMap m;
    int32_t v = 0;
    EXPECT_EQ(setTile(m, 0, 0, 1), RunError::MapNotCreated);
    EXPECT_EQ(tile(m, 0, 0, v), RunError::MapNotCreated);
    EXPECT_EQ(mapPosition(m, 0, 0), RunError::MapNotCreated);
    EXPECT_EQ(mapDrawing(m, 1), RunError::MapNotCreated);
    EXPECT_EQ(replaceTile(m, 0, 1), RunError::MapNotCreated);
    EXPECT_EQ(countTile(m, 0), 0);
    mapClip(m, 5, 5, 1, 1, 360, 640);  // needs no map
    EXPECT_TRUE(m.clipOn);
    EXPECT_EQ(mapTileSize(m, 8, 9), std::nullopt);
}

TEST(TileMap, SetReplaceAndCount) {
    TileMap m;
    ASSERT_EQ(createMap(m, 2, 1), std::nullopt);
    ASSERT_EQ(setTile(m, 2, 1, 7), std::nullopt);
    ASSERT_EQ(setTile(m, 0, 0, 7), std::nullopt);
    EXPECT_EQ(m.cells[5], 7);  // (2, 1) at 2 + 1 * 3
    EXPECT_EQ(setTile(m, 0, 0, -1), RunError::OutOfRange);
    EXPECT_EQ(countTile(m, 7), 2);
    EXPECT_EQ(countTile(m, 0), 4);
    EXPECT_EQ(countTile(m, 3), 0);
    ASSERT_EQ(replaceTile(m, 7, 3), std::nullopt);
    EXPECT_EQ(cell(m, 2, 1), 3);
    EXPECT_EQ(countTile(m, 7), 0);
    EXPECT_EQ(replaceTile(m, -1, 3), RunError::OutOfRange);
    EXPECT_EQ(replaceTile(m, 1, -3), RunError::OutOfRange);
}

TEST(TileMap, PositionSwitchesDrawingOnAndSizesAreChecked) {
    TileMap m;
    ASSERT_EQ(createMap(m, 3, 3), std::nullopt);
    EXPECT_EQ(mapPosition(m, -1, 0), RunError::OutOfRange);
    EXPECT_FALSE(m.drawing);
    ASSERT_EQ(mapPosition(m, 40, 2), std::nullopt);
    EXPECT_TRUE(m.drawing);
    ASSERT_EQ(mapDrawing(m, 0), std::nullopt);
    EXPECT_FALSE(m.drawing);
    EXPECT_EQ(mapTileSize(m, 0, 5), RunError::OutOfRange);
    EXPECT_EQ(mapTileSize(m, 5, 0), RunError::OutOfRange);
    // A new map keeps the tile size, position and drawing flag.
    ASSERT_EQ(mapTileSize(m, 16, 8), std::nullopt);
    ASSERT_EQ(mapDrawing(m, 1), std::nullopt);
    ASSERT_EQ(createMap(m, 1, 1), std::nullopt);
    EXPECT_EQ(m.tileWidth, 16);
    EXPECT_EQ(m.positionX, 40);
    EXPECT_TRUE(m.drawing);
}

TEST(TileMap, HugeMapIsOutOfMemoryAndLeavesNoMap) {
    TileMap m;
    ASSERT_EQ(createMap(m, 3, 3), std::nullopt);
    EXPECT_EQ(createMap(m, 2147483647, 2147483647), RunError::OutOfMemory);
    EXPECT_FALSE(m.created);
    EXPECT_EQ(countTile(m, 0), 0);
}

TEST(MapFile, DataLinesReadLikeBareValuesAndSmallSizesBecomeTen) {
    const std::string file = testFile("data.map");
    // Width 5 and tile width 3 become 10; 12 cells are given, the rest are 0.
    writeWholeFile(file, "Data 5,11,3,32\r\nData \"tiles.png\"\r\nData 1,2,3,4,5,6,7,8,9,10\r\nData 11,-12\r\n");
    TileMap m;
    ASSERT_EQ(loadMap(m, file), std::nullopt);
    EXPECT_EQ(m.width, 10);
    EXPECT_EQ(m.height, 11);
    EXPECT_EQ(mapSizeX(m), 9);
    EXPECT_EQ(m.tileWidth, 10);
    EXPECT_EQ(m.tileHeight, 32);
    EXPECT_EQ(m.tileFileName, "tiles.png");
    EXPECT_EQ(cell(m, 9, 0), 10);
    EXPECT_EQ(cell(m, 0, 1), 11);
    EXPECT_EQ(cell(m, 1, 1), -12);
    EXPECT_EQ(cell(m, 2, 1), 0);
    EXPECT_EQ(cell(m, 9, 10), 0);
    EXPECT_FALSE(m.drawing);
}

TEST(MapFile, OtherCharactersAreZeroTokens) {
    const std::string file = testFile("other.map");
    // "x" and the lone "-" are tokens of value 0; "7y" is 7 then a 0 for "y".
    writeWholeFile(file, "10 10 32 32 \"t\" 4 x 5 - 6 7y 8");
    TileMap m;
    ASSERT_EQ(loadMap(m, file), std::nullopt);
    const int32_t expected[] = {4, 0, 5, 0, 6, 7, 0, 8, 0};
    for (int32_t i = 0; i < 9; ++i) EXPECT_EQ(cell(m, i, 0), expected[i]) << i;
}

TEST(MapFile, TruncatedAndGarbageFilesLoadAsFarAsTheyGo) {
    const std::string file = testFile("short.map");
    TileMap m;
    writeWholeFile(file, "");
    ASSERT_EQ(loadMap(m, file), std::nullopt);
    EXPECT_EQ(m.width, 10);
    EXPECT_EQ(m.tileFileName, "");
    writeWholeFile(file, "12 10 16 16 \"unterminated");
    ASSERT_EQ(loadMap(m, file), std::nullopt);
    EXPECT_EQ(m.width, 12);
    EXPECT_EQ(m.tileFileName, "unterminated");
    EXPECT_EQ(countTile(m, 0), 120);
    std::string garbage;
    for (int i = 0; i < 3000; ++i) garbage.push_back(static_cast<char>((i * 91) % 256));
    writeWholeFile(file, garbage);
    EXPECT_EQ(loadMap(m, file), std::nullopt);
    writeWholeFile(file, "99999999999999999999 -5 12 12 \"t\" 99999999999");
    EXPECT_EQ(loadMap(m, file), RunError::OutOfMemory);
    EXPECT_FALSE(m.created);
}

TEST(MapFile, HugeDimensionsAreOutOfMemory) {
    const std::string file = testFile("huge.map");
    writeWholeFile(file, "100000 100000 32 32 \"t\"");
    TileMap m;
    EXPECT_EQ(loadMap(m, file), RunError::OutOfMemory);
    EXPECT_FALSE(m.created);
}

TEST(MapFile, MissingFileIsAnIoError) {
    TileMap m;
    EXPECT_EQ(loadMap(m, testFile("nothing-here.map")), RunError::FileIoError);
}

}  // namespace
