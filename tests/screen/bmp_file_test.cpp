#include <gtest/gtest.h>

#include "screen/bmp_file.h"
#include "screen/image_file.h"

namespace {
uint32_t read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
}  // namespace

TEST(BmpFile, HeadersDescribeA24BitBottomUpImage) {
    // 3 x 2 pixels: rows of 9 bytes padded to 12, so 24 pixel bytes after a 54-byte header.
    const std::vector<uint8_t> b = bmpBytes(makeArgbImage(3, 2));
    ASSERT_EQ(b.size(), 54u + 24u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(read32(b, 2), 78u);   // file size
    EXPECT_EQ(read32(b, 6), 0u);    // reserved words
    EXPECT_EQ(read32(b, 10), 54u);  // pixel data offset
    EXPECT_EQ(read32(b, 14), 40u);  // information header size
    EXPECT_EQ(read32(b, 18), 3u);
    EXPECT_EQ(read32(b, 22), 2u);
    EXPECT_EQ(b[26] | b[27] << 8, 1);   // planes
    EXPECT_EQ(b[28] | b[29] << 8, 24);  // bits per pixel
    EXPECT_EQ(read32(b, 30), 0u);       // no compression
    EXPECT_EQ(read32(b, 34), 24u);
}

TEST(BmpFile, PixelsAreBlueGreenRedFromTheBottomRow) {
    ArgbImage image = makeArgbImage(1, 2);
    image.row(0)[0] = 0xFF112233u;  // top
    image.row(1)[0] = 0x00445566u;  // bottom, written first
    const std::vector<uint8_t> b = bmpBytes(image);
    EXPECT_EQ(b[54], 0x66);
    EXPECT_EQ(b[55], 0x55);
    EXPECT_EQ(b[56], 0x44);
    EXPECT_EQ(b[57], 0);  // padding to four bytes
    EXPECT_EQ(b[58], 0x33);
    EXPECT_EQ(b[59], 0x22);
    EXPECT_EQ(b[60], 0x11);
}

TEST(BmpFile, WrittenFileReadsBack) {
    ArgbImage image = makeArgbImage(5, 3, 0x00203040u);
    image.row(2)[4] = 0x00FF8000u;
    const std::string path = ::testing::TempDir() + "orb_bmp_file_test.bmp";
    ASSERT_TRUE(writeBmpFile(image, path));
    const auto back = readImageFile(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, 5);
    EXPECT_EQ(back->height, 3);
    EXPECT_EQ(back->at(0, 0) & 0xFFFFFFu, 0x203040u);
    EXPECT_EQ(back->at(4, 2) & 0xFFFFFFu, 0xFF8000u);
    std::remove(path.c_str());
}
