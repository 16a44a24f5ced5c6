// The map drawing step: which tiles are drawn where, for scroll positions
// between tiles, at the map's edges and with the clip rectangles.
#include "fake_pictures.h"
#include "map_draws.h"

#include <gtest/gtest.h>

namespace {

struct MapDrawsTest : testing::Test {
    ImageSlots slots;
    FakePictureFiles files;
    TileMap m;
    ScreenClip screen{96, 64, false, {}};

    // Slots 1..4 are 32 x 32 frames of one sheet; slot 5 a whole picture.
    void SetUp() override {
        files.files["tiles"] = filledPicture(64, 64, opaqueRed);
        files.files["whole"] = filledPicture(32, 32, opaqueBlue);
        ASSERT_EQ(loadImages(slots, files, "tiles", 1, 4, 32, 32), std::nullopt);
        ASSERT_EQ(loadImages(slots, files, "whole", 5, 0, 0, 0), std::nullopt);
        ASSERT_EQ(createMap(m, 9, 9), std::nullopt);
        // Cell (x, y) holds slot (x mod 4) + 1, so a tile's source tells its column.
        for (int32_t y = 0; y < 10; ++y)
            for (int32_t x = 0; x < 10; ++x) ASSERT_EQ(setTile(m, x, y, x % 4 + 1), std::nullopt);
    }
    const PictureDraw* drawAt(const std::vector<PictureDraw>& draws, int32_t x, int32_t y) {
        for (const PictureDraw& d : draws)
            if (d.x == x && d.y == y) return &d;
        return nullptr;
    }
};

TEST_F(MapDrawsTest, NothingUntilDrawingIsOn) {
    EXPECT_TRUE(mapDraws(m, slots, screen, 0).empty());
    EXPECT_EQ(m.tileWidth, 0);
}

TEST_F(MapDrawsTest, AtTheOriginTilesStartAtTheScreenCornerAndTheSizeBecomes32) {
    ASSERT_EQ(mapDrawing(m, 1), std::nullopt);
    const std::vector<PictureDraw> draws = mapDraws(m, slots, screen, 0);
    EXPECT_EQ(m.tileWidth, 32);
    EXPECT_EQ(m.tileHeight, 32);
    // Columns: min(96 / 32 + 1, 10) + 1 = 5; rows 0 .. min(64 / 32 + 1, 10) = 0 .. 3.
    EXPECT_EQ(draws.size(), 20u);
    const PictureDraw* first = drawAt(draws, 0, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->image, slots.slots[0].image.get());
    EXPECT_EQ(first->sourceX, 0);
    EXPECT_EQ(first->sourceWidth, 32);
    const PictureDraw* second = drawAt(draws, 32, 32);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->sourceX, 32);  // column 1 is slot 2, the frame at (32, 0)
    EXPECT_EQ(second->sourceY, 0);
    EXPECT_NE(drawAt(draws, 128, 96), nullptr);
}

TEST_F(MapDrawsTest, PositionBetweenTilesStartsColumnOneEightPixelsLeftOfTheMargin) {
    ASSERT_EQ(mapPosition(m, 40, 0), std::nullopt);
    const int32_t margin = 100;
    const std::vector<PictureDraw> draws = mapDraws(m, slots, screen, margin);
    const PictureDraw* column1 = drawAt(draws, margin - 8, 0);
    ASSERT_NE(column1, nullptr);
    EXPECT_EQ(column1->sourceX, 32);
    const PictureDraw* column2 = drawAt(draws, margin + 24, 0);
    ASSERT_NE(column2, nullptr);
    EXPECT_EQ(column2->sourceX, 0);  // column 2 is slot 3, the frame at (0, 32)
    EXPECT_EQ(column2->sourceY, 32);
    EXPECT_EQ(drawAt(draws, margin - 40, 0), nullptr);  // column 0 is not drawn
    EXPECT_EQ(column1->clip.x1, margin);
    EXPECT_EQ(column1->clip.x2, margin + 96);
}

TEST_F(MapDrawsTest, VerticalPositionBetweenTiles) {
    ASSERT_EQ(mapPosition(m, 0, 45), std::nullopt);
    const std::vector<PictureDraw> draws = mapDraws(m, slots, screen, 0);
    // Row 1 starts at 32 * 2 - 45 - 32 = -13.
    EXPECT_NE(drawAt(draws, 0, -13), nullptr);
    EXPECT_NE(drawAt(draws, 0, 19), nullptr);
    EXPECT_EQ(drawAt(draws, 0, 0), nullptr);
}

TEST_F(MapDrawsTest, TheMapsRightAndBottomEdgesEndTheTiles) {
    ASSERT_EQ(mapPosition(m, 32 * 8, 32 * 9), std::nullopt);
    const std::vector<PictureDraw> draws = mapDraws(m, slots, screen, 0);
    // Columns 8 and 9 of row 9 only.
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_NE(drawAt(draws, 0, 0), nullptr);
    EXPECT_NE(drawAt(draws, 32, 0), nullptr);
}

TEST_F(MapDrawsTest, EmptyCellsWholePicturesAndUnknownSlotsDrawNothing) {
    ASSERT_EQ(createMap(m, 3, 0), std::nullopt);
    ASSERT_EQ(setTile(m, 1, 0, 5), std::nullopt);
    ASSERT_EQ(setTile(m, 2, 0, 99), std::nullopt);
    ASSERT_EQ(setTile(m, 3, 0, 4), std::nullopt);
    ASSERT_EQ(mapDrawing(m, 1), std::nullopt);
    const std::vector<PictureDraw> draws = mapDraws(m, slots, screen, 0);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].x, 96);
    EXPECT_EQ(draws[0].sourceX, 32);
    EXPECT_EQ(draws[0].sourceY, 32);
}

TEST_F(MapDrawsTest, ClipIsTheMapClipElseTheDrawingClipElseTheScreen) {
    ASSERT_EQ(mapDrawing(m, 1), std::nullopt);
    screen.drawingClipOn = true;
    screen.drawingClip = {1, 2, 3, 4};
    EXPECT_EQ(mapDraws(m, slots, screen, 5).at(0).clip.x1, 6);
    mapClip(m, 50, 60, 10, 20, 96, 64);
    const ScreenRect clip = mapDraws(m, slots, screen, 5).at(0).clip;
    EXPECT_EQ(clip.x1, 15);
    EXPECT_EQ(clip.y1, 20);
    EXPECT_EQ(clip.x2, 55);
    EXPECT_EQ(clip.y2, 60);
    mapClip(m, 0, 0, 500, 500, 96, 64);
    EXPECT_EQ(mapDraws(m, slots, screen, 0).at(0).clip.x2, 96);
    EXPECT_EQ(mapDraws(m, slots, screen, 0).at(0).clip.y2, 64);
}

}  // namespace
