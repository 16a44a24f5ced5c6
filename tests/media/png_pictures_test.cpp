// Pictures read through Irrlicht's loaders: PNG files written here with
// opaque, transparent and half-transparent pixels come back with the same
// ARGB values, and a multi-image of them fills its slots.
#include "engine_picture_files.h"
#include "media_files.h"
#include "png_writer.h"
#include "sprites.h"

#include <gtest/gtest.h>

namespace {

TEST(PngPictures, PixelsKeepTheirAlpha) {
    const std::string path = testFile("three.png");
    const uint32_t colours[] = {0xff102030u, 0x00000000u, 0x80ff8000u};
    ASSERT_TRUE(writePng(path, 3, 2, [&](int x, int) { return colours[x]; }));
    EnginePictureFiles files;
    const std::optional<Picture> p = files.read(path);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width, 3);
    EXPECT_EQ(p->height, 2);
    EXPECT_EQ(p->at(0, 1), 0xff102030u);
    EXPECT_FALSE(isOpaque(p->at(1, 0)));
    EXPECT_EQ(p->at(2, 0), 0x80ff8000u);
    EXPECT_FALSE(files.read(testFile("absent.png")));
}

TEST(PngPictures, SpriteSheetFramesCollideByTheirOwnPixels) {
    const std::string path = testFile("sheet.png");
    ASSERT_TRUE(writeTwoFrameSheet(path));
    EnginePictureFiles files;
    ImageSlots slots;
    ASSERT_EQ(loadImages(slots, files, path, 1, 2, 16, 16), std::nullopt);
    Sprites sp;
    ASSERT_EQ(sprite(sp, slots, 1, 0, 0, 1), std::nullopt);
    ASSERT_EQ(sprite(sp, slots, 2, 4, 4, 2), std::nullopt);
    int32_t result = 0;
    // b's top-left (4, 4) inside a: b's columns 0..11 and rows 0..11 against
    // a's columns 4..15 and rows 4..15. a is opaque in its columns 4..7, b in
    // its rows 8..11: 4 columns x 4 rows.
    ASSERT_EQ(spriteCol(sp, slots, 2, 1, result), std::nullopt);
    EXPECT_EQ(result, 16);
    // a's bottom-right corner lies inside b: a's columns and rows 4..15
    // against b's 0..11, the same pairs.
    ASSERT_EQ(spriteCol(sp, slots, 1, 2, result), std::nullopt);
    EXPECT_EQ(result, 16);
}

}  // namespace
