// SpriteCol: the box test, and with pixel collisions on the count of opaque
// pixel pairs from the corner of a that lies inside b. Expected counts are
// worked out from the overlap of the two pictures.
#include "fake_pictures.h"
#include "sprites.h"

#include <gtest/gtest.h>

namespace {

enum Slot { solid32 = 1, solid8, leftHalf8, wide, tall, sheetFrame0, sheetFrame1 };

struct SpriteColTest : testing::Test {
    ImageSlots slots;
    FakePictureFiles files;
    Sprites sp;

    void SetUp() override {
        files.files["solid32"] = filledPicture(32, 32, opaqueRed);
        files.files["solid8"] = filledPicture(8, 8, opaqueRed);
        Picture half = filledPicture(8, 8, 0);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 4; ++x) half.pixels[static_cast<std::size_t>(y * 8 + x)] = halfGreen;
        files.files["leftHalf8"] = half;
        files.files["wide"] = filledPicture(32, 8, opaqueBlue);
        files.files["tall"] = filledPicture(8, 32, opaqueBlue);
        // Two 8 x 8 frames: the first wholly opaque, the second opaque only in
        // its top-left 2 x 2 corner.
        Picture sheet = filledPicture(16, 8, 0);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) sheet.pixels[static_cast<std::size_t>(y * 16 + x)] = opaqueRed;
        for (int y = 0; y < 2; ++y)
            for (int x = 8; x < 10; ++x) sheet.pixels[static_cast<std::size_t>(y * 16 + x)] = opaqueRed;
        files.files["sheet"] = sheet;
        const std::pair<const char*, Slot> wholePictures[] = {
            {"solid32", solid32}, {"solid8", solid8}, {"leftHalf8", leftHalf8}, {"wide", wide}, {"tall", tall}};
        for (const auto& [name, slot] : wholePictures) ASSERT_EQ(loadImages(slots, files, name, slot, 0, 0, 0), std::nullopt);
        ASSERT_EQ(loadImages(slots, files, "sheet", sheetFrame0, 2, 8, 8), std::nullopt);
    }
    void place(int32_t n, int32_t x, int32_t y, Slot image) { ASSERT_EQ(sprite(sp, slots, n, x, y, image), std::nullopt); }
    int32_t col(int32_t a, int32_t b) {
        int32_t result = -1;
        EXPECT_EQ(spriteCol(sp, slots, a, b, result), std::nullopt);
        return result;
    }
    // The result in both modes: {pixel count, box result}.
    std::pair<int32_t, int32_t> both(int32_t a, int32_t b) {
        sp.pixelCollision = true;
        const int32_t pixels = col(a, b);
        sp.pixelCollision = false;
        const int32_t box = col(a, b);
        sp.pixelCollision = true;
        return {pixels, box};
    }
};

using Result = std::pair<int32_t, int32_t>;

TEST_F(SpriteColTest, SlotsAreLoadedAsNamed) {
    ResolvedPicture p;
    ASSERT_EQ(resolvePicture(slots, tall - 1, p), std::nullopt);
    EXPECT_EQ(p.width, 8);
    EXPECT_EQ(p.height, 32);
    ASSERT_EQ(resolvePicture(slots, sheetFrame1 - 1, p), std::nullopt);
    EXPECT_EQ(p.x, 8);
}

TEST_F(SpriteColTest, SpriteNumbersOutsideOneTo64AreOutOfRange) {
    int32_t result = 0;
    place(1, 0, 0, solid8);
    EXPECT_EQ(spriteCol(sp, slots, 0, 1, result), RunError::OutOfRange);
    EXPECT_EQ(spriteCol(sp, slots, 1, 65, result), RunError::OutOfRange);
    EXPECT_EQ(spriteCol(sp, slots, 65, 1, result), RunError::OutOfRange);
}

TEST_F(SpriteColTest, SpriteThatIsOffNeverCollides) {
    place(1, 0, 0, solid8);
    place(2, 0, 0, solid8);
    EXPECT_EQ(both(1, 2), Result(64, 1));
    ASSERT_EQ(spriteSwitch(sp, 2, false), std::nullopt);
    EXPECT_EQ(both(1, 2), Result(0, 0));
    EXPECT_EQ(both(1, 3), Result(0, 0));  // never set
}

TEST_F(SpriteColTest, TouchingEdgesDoNotCollide) {
    place(1, 0, 0, solid8);
    place(2, 8, 0, solid8);
    place(3, 0, 8, solid8);
    place(4, 7, 7, solid8);
    EXPECT_EQ(both(1, 2), Result(0, 0));
    EXPECT_EQ(both(2, 1), Result(0, 0));
    EXPECT_EQ(both(1, 3), Result(0, 0));
    EXPECT_EQ(both(1, 4), Result(1, 1));
}

TEST_F(SpriteColTest, SmallSpriteInsideALargeOneCountsOnlyFromTheSmallOne) {
    place(1, 0, 0, solid32);
    place(2, 10, 10, solid8);
    EXPECT_EQ(both(1, 2), Result(0, 1));
    EXPECT_EQ(both(2, 1), Result(64, 1));
}

TEST_F(SpriteColTest, CrossingBoxesWithNoCornerInsideGiveZeroPixels) {
    place(1, 0, 4, wide);
    place(2, 12, 0, tall);
    EXPECT_EQ(both(1, 2), Result(0, 1));
    EXPECT_EQ(both(2, 1), Result(0, 1));
}

TEST_F(SpriteColTest, TopLeftCorner) {
    // a's top-left at (4, 4) inside b at (0, 0): a 4 x 4 overlap.
    place(1, 4, 4, solid8);
    place(2, 0, 0, solid8);
    EXPECT_EQ(both(1, 2), Result(16, 1));
    // The reverse takes b's bottom-right corner: the same 4 x 4.
    EXPECT_EQ(both(2, 1), Result(16, 1));
}

TEST_F(SpriteColTest, TopRightCorner) {
    // a at (4, 4), b at (8, 0): columns 8..11, rows 4..7.
    place(1, 4, 4, solid8);
    place(2, 8, 0, solid8);
    EXPECT_EQ(both(1, 2), Result(16, 1));
}

TEST_F(SpriteColTest, BottomLeftCorner) {
    // a at (4, -4), b at (0, 0): columns 4..7, rows 0..3.
    place(1, 4, -4, solid8);
    place(2, 0, 0, solid8);
    EXPECT_EQ(both(1, 2), Result(16, 1));
}

TEST_F(SpriteColTest, BottomRightCornerWithALeftPartOfA) {
    // a at (-3, -2), b at (0, 0): a's bottom-right inside b; columns 0..4, rows 0..5.
    place(1, -3, -2, solid8);
    place(2, 0, 0, solid8);
    EXPECT_EQ(both(1, 2), Result(30, 1));
}

TEST_F(SpriteColTest, TransparentPixelsOfEitherPictureDoNotCount) {
    // Top-left corner case with the overlap in columns 4..7 of the screen:
    // a's columns 0..3 (opaque in the half picture), b's columns 4..7.
    place(1, 4, 4, leftHalf8);
    place(2, 0, 0, solid8);
    EXPECT_EQ(both(1, 2), Result(16, 1));
    place(1, 4, 4, solid8);
    place(2, 0, 0, leftHalf8);
    EXPECT_EQ(both(1, 2), Result(0, 1));
}

TEST_F(SpriteColTest, FramePixelsAreReadInsideTheirRectangle) {
    // b is the second frame: only its own top-left 2 x 2 is opaque. a at
    // (7, 1) reaches b's columns 0..6 and rows 1..7 with its top-right corner:
    // the opaque pixels there are (0, 1) and (1, 1).
    place(1, 7, 1, solid8);
    place(2, 8, 0, sheetFrame1);
    EXPECT_EQ(both(1, 2), Result(2, 1));
    // As a, the frame at (0, 0) against b at (-1, -1): a's columns and rows
    // 0..6 hold its 2 x 2 opaque corner.
    place(1, 0, 0, sheetFrame1);
    place(2, -1, -1, solid8);
    EXPECT_EQ(both(1, 2), Result(4, 1));
    // The first frame is wholly opaque.
    place(1, 0, 0, sheetFrame0);
    EXPECT_EQ(both(1, 2), Result(49, 1));
}

}  // namespace
