// Picture files the picture file fuzz target once crashed on.
#include "screen/image_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string writeTemporary(const std::string& name, const std::string& bytes) {
    const std::string path = ::testing::TempDir() + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}

// A PCX header whose line length times height overflowed the engine's 32-bit
// size: its loader asked for 16 exabytes. Only PNG, JPEG and BMP files reach
// the engine now; others fail to load.
TEST(PictureRegression, PcxFileFailsToLoad) {
    const std::string pcx(
        "\x0a\x00\x10\x08\x06\x00\x00\x00\x77\x00\x7d\x59\x00\x00\x00\xa6"
        "\x49\x44\x41\x54\x78\x9c\xed\x93\xc1\x11\x40\x40\x0c\x45\xad\x6a"
        "\xd6\x45\x05\x2a\x52\x81\x12\x54\xa0\x0e\x45\xa8\xc0\x29\x45\xe8"
        "\x21\x4e\x6b\x16\x3f\x2b\xb1\xc6\x38\xf8\x27\x63\xf6\x25\x2f\x2b"
        "\x8a\x22\x11\x9e\x07\xe6\x79\xe0\xd4\x99\x5c\xbe\x4c\xc1\xe8\xd9"
        "\xd2\x5c\xc3\x43\x01\x04\x58\x24\x2c\xbc\x78\x03\x6f\x05\x0a\xb8"
        "\xba\x75\x9a\x77\x52\x72\xf9\x2d\x6f\x2c\x21\xb4\x6a\x3a\x86\xd0"
        "\xd4\x3b\xd5\x14\x16\xfe\x9b\x3b\xf0\x0b\x84\x2c\x63\x95\xdd\xe0"
        "\xaa\x86\xb8\x54\xde\xfb\xdd\x22\x11\x91\xf9\x37\x8a\x6b\x48\xbc"
        "\xfa\x13\x1c\x85\x9e\x0a\x14\x08\xcd\x88\xc8\xdd\x99",
        157);
    const std::string path = writeTemporary("orb_picture_regression.png", pcx);
    EXPECT_FALSE(readImageFile(path).has_value());
    std::remove(path.c_str());
}

// A PNG still reads, whatever its name.
TEST(PictureRegression, PngStillLoads) {
    ArgbImage image = makeArgbImage(2, 2, 0x00123456);
    const std::string path = ::testing::TempDir() + "orb_picture_regression_written.png";
    ASSERT_TRUE(writeImageFile(image, path));
    const auto back = readImageFile(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->at(1, 1), 0xFF123456u);
    std::remove(path.c_str());
}

}  // namespace
