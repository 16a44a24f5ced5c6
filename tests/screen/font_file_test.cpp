#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "screen/image_file.h"
#include "screen/text.h"
#include "screen_fixture.h"

TEST(FontFile, TheShippedFontHasTheCellLayoutAndDrawsText) {
    const auto font = readImageFile(std::string(ORB_PROGRAM_FOLDER) + "mobilefont.png");
    ASSERT_TRUE(font);
    EXPECT_EQ(font->width, 200);  // 20 cells of 10 across
    EXPECT_GE(font->height, 6 * 15 + 13);  // code 127 lies in cell row 6
    Screen s = testScreen();
    s.font = *font;
    drawText(s, 0, 0, "I");
    const int inked = countInk(s);
    EXPECT_GT(inked, 5);  // a visible glyph, inside its 8-pixel step
    for (int y = 0; y < 13; ++y)
        for (int x = 8; x < 10; ++x) EXPECT_FALSE(isInk(s, x, y));
}

TEST(FontFile, AMissingFileIsNoImage) {
    EXPECT_FALSE(readImageFile("/nonexistent/mobilefont.png"));
}

TEST(ImageFile, WrittenPngReadsBackOpaque) {
    ArgbImage image = makeArgbImage(3, 2, 0x00102030);
    image.row(1)[2] = 0x00FF0000;
    const std::string path = ::testing::TempDir() + "orb_image_file_test.png";
    ASSERT_TRUE(writeImageFile(image, path));
    const auto back = readImageFile(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, 3);
    EXPECT_EQ(back->at(0, 0), 0xFF102030u);
    EXPECT_EQ(back->at(2, 1), 0xFFFF0000u);
    std::remove(path.c_str());
}
