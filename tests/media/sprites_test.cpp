// Sprite commands, the drawing order with and without Priority, and what the
// drawing step hands the driver.
#include "fake_pictures.h"
#include "sprite_draws.h"

#include <gtest/gtest.h>

namespace {

struct SpritesTest : testing::Test {
    ImageSlots slots;
    FakePictureFiles files;
    Sprites sp;
    ScreenClip screen{360, 640, false, {}};

    void SetUp() override {
        files.files["ball"] = filledPicture(10, 12, opaqueRed);
        files.files["sheet"] = filledPicture(32, 32, opaqueBlue);
        ASSERT_EQ(loadImages(slots, files, "ball", 1, 0, 0, 0), std::nullopt);
        ASSERT_EQ(loadImages(slots, files, "sheet", 2, 3, 16, 16), std::nullopt);
    }
};

TEST_F(SpritesTest, CommandsCheckTheSpriteNumberAndTheSlot) {
    int32_t v = 0;
    EXPECT_EQ(sprite(sp, slots, 0, 1, 1, 1), RunError::OutOfRange);
    EXPECT_EQ(sprite(sp, slots, 65, 1, 1, 1), RunError::OutOfRange);
    EXPECT_EQ(sprite(sp, slots, 1, 1, 1, 0), RunError::OutOfRange);
    EXPECT_EQ(sprite(sp, slots, 1, 1, 1, 5), RunError::ImageNotLoaded);
    EXPECT_EQ(spritePosition(sp, 65, 0, 0), RunError::OutOfRange);
    EXPECT_EQ(spriteSwitch(sp, 0, true), RunError::OutOfRange);
    EXPECT_EQ(spriteX(sp, 65, v), RunError::OutOfRange);
    EXPECT_EQ(spriteY(sp, 0, v), RunError::OutOfRange);
}

TEST_F(SpritesTest, SpriteSwitchesOnAndPositionMovesWithoutSwitching) {
    int32_t x = 0, y = 0;
    ASSERT_EQ(spritePosition(sp, 64, -5, 7), std::nullopt);
    ASSERT_EQ(spriteX(sp, 64, x), std::nullopt);
    ASSERT_EQ(spriteY(sp, 64, y), std::nullopt);
    EXPECT_EQ(x, -5);
    EXPECT_EQ(y, 7);
    EXPECT_FALSE(sp.table[63].on);
    EXPECT_TRUE(spriteDraws(sp, slots, screen, 0).empty());
    ASSERT_EQ(sprite(sp, slots, 64, 3, 4, 4), std::nullopt);
    EXPECT_TRUE(sp.table[63].on);
    EXPECT_EQ(sp.table[63].image, 3);
}

TEST_F(SpritesTest, WithoutPriorityNumberOrder) {
    ASSERT_EQ(sprite(sp, slots, 5, 0, 50, 1), std::nullopt);
    ASSERT_EQ(sprite(sp, slots, 2, 0, 90, 1), std::nullopt);
    ASSERT_EQ(sprite(sp, slots, 9, 0, 10, 1), std::nullopt);
    const std::vector<PictureDraw> draws = spriteDraws(sp, slots, screen, 0);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].y, 90);
    EXPECT_EQ(draws[1].y, 50);
    EXPECT_EQ(draws[2].y, 10);
}

TEST_F(SpritesTest, WithPriorityByDepthEqualDepthsInNumberOrderAndNothingAt10000) {
    sp.priority = true;
    ASSERT_EQ(sprite(sp, slots, 5, 1, 50, 1), std::nullopt);
    ASSERT_EQ(sprite(sp, slots, 2, 2, 90, 1), std::nullopt);
    ASSERT_EQ(sprite(sp, slots, 9, 3, 50, 1), std::nullopt);
    ASSERT_EQ(sprite(sp, slots, 1, 4, 10000, 1), std::nullopt);
    ASSERT_EQ(sprite(sp, slots, 3, 5, 9999, 1), std::nullopt);
    const std::vector<int> order = spriteDrawOrder(sp);
    // Sprites never set are off at y 0: picked first, not drawn.
    ASSERT_EQ(order.size(), 63u);
    EXPECT_EQ(std::count(order.begin(), order.end(), 0), 0);
    const std::vector<PictureDraw> draws = spriteDraws(sp, slots, screen, 0);
    ASSERT_EQ(draws.size(), 4u);
    EXPECT_EQ(draws[0].x, 1);
    EXPECT_EQ(draws[1].x, 3);
    EXPECT_EQ(draws[2].x, 2);
    EXPECT_EQ(draws[3].x, 5);
}

TEST_F(SpritesTest, DrawTakesTheFrameOfTheParentTextureAtScreenPositionShiftedByTheMargin) {
    ASSERT_EQ(sprite(sp, slots, 1, 30, 40, 4), std::nullopt);
    ASSERT_EQ(sprite(sp, slots, 2, -3, 7, 1), std::nullopt);
    const std::vector<PictureDraw> draws = spriteDraws(sp, slots, screen, 100);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].image, slots.slots[1].image.get());
    EXPECT_EQ(draws[0].sourceX, 0);
    EXPECT_EQ(draws[0].sourceY, 16);
    EXPECT_EQ(draws[0].sourceWidth, 16);
    EXPECT_EQ(draws[0].sourceHeight, 16);
    EXPECT_EQ(draws[0].x, 130);
    EXPECT_EQ(draws[0].y, 40);
    EXPECT_EQ(draws[1].image, slots.slots[0].image.get());
    EXPECT_EQ(draws[1].sourceWidth, 10);
    EXPECT_EQ(draws[1].sourceHeight, 12);
    EXPECT_EQ(draws[1].x, 97);
}

TEST_F(SpritesTest, ClipIsTheSpriteClipElseTheDrawingClipElseTheScreen) {
    ASSERT_EQ(sprite(sp, slots, 1, 0, 0, 1), std::nullopt);
    auto clip = [&] { return spriteDraws(sp, slots, screen, 20).at(0).clip; };
    auto expectClip = [](ScreenRect r, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        EXPECT_EQ(r.x1, x1);
        EXPECT_EQ(r.y1, y1);
        EXPECT_EQ(r.x2, x2);
        EXPECT_EQ(r.y2, y2);
    };
    expectClip(clip(), 20, 0, 380, 640);
    screen.drawingClipOn = true;
    screen.drawingClip = {5, 6, 7, 8};
    expectClip(clip(), 25, 6, 27, 8);
    // Corners given the other way round are swapped; the far one is limited to the screen.
    spriteClip(sp, 400, 700, 10, 30, 360, 640);
    expectClip(clip(), 30, 30, 380, 640);
}

TEST_F(SpritesTest, SpriteWhosePictureWasReplacedByAFailedLoadIsNotDrawn) {
    ASSERT_EQ(sprite(sp, slots, 1, 0, 0, 1), std::nullopt);
    EXPECT_EQ(loadImages(slots, files, "missing", 1, 0, 0, 0), RunError::FailedToLoadImage);
    EXPECT_TRUE(spriteDraws(sp, slots, screen, 0).empty());
}

}  // namespace
