// DrawImage: opaque pixels replace the buffer's exactly, transparent ones
// leave it, frames read their rectangle, the buffer's bounds and the clip
// limit it.
#include "draw_image.h"
#include "fake_pictures.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t paper = 0x00123456u;

struct DrawImageTest : testing::Test {
    ImageSlots slots;
    FakePictureFiles files;
    Screen screen;

    uint32_t at(int x, int y) { return screen.buffer.at(x, y); }

    // A 4 x 4 picture: the top-left 2 x 2 opaque red, the top-right half
    // transparent green, the bottom half fully transparent except one blue
    // pixel at (3, 3).
    void SetUp() override {
        screen.paper = paper;
        ASSERT_EQ(initScreen(screen, 96, 64, 0), std::nullopt);  // a 96 x 96 buffer
        Picture p = filledPicture(4, 4, 0x00000000u);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x) p.pixels[static_cast<std::size_t>(y * 4 + x)] = x < 2 ? opaqueRed : halfGreen;
        p.pixels[15] = opaqueBlue;
        files.files["p.png"] = p;
        ASSERT_EQ(loadImages(slots, files, "p.png", 1, 0, 0, 0), std::nullopt);
        ASSERT_EQ(loadImages(slots, files, "p.png", 2, 4, 2, 2), std::nullopt);
        screen.bufferChanged = false;
    }
};

TEST_F(DrawImageTest, OpaquePixelsReplaceWithTheirFullValueTransparentOnesLeaveTheBuffer) {
    ASSERT_EQ(drawImage(slots, screen, 3, 2, 1), std::nullopt);
    EXPECT_TRUE(screen.bufferChanged);
    EXPECT_EQ(at(3, 2), opaqueRed);
    EXPECT_EQ(at(4, 3), opaqueRed);
    EXPECT_EQ(at(5, 2), halfGreen);  // partial alpha is copied, not blended
    EXPECT_EQ(at(6, 3), halfGreen);
    EXPECT_EQ(at(3, 4), paper);
    EXPECT_EQ(at(5, 5), paper);
    EXPECT_EQ(at(6, 5), opaqueBlue);
    EXPECT_EQ(at(2, 2), paper);
    EXPECT_EQ(at(7, 2), paper);
}

TEST_F(DrawImageTest, FrameReadsItsRectangleOfTheParent) {
    // Slot 3 is the frame at (2, 0): transparent-green pixels only.
    ASSERT_EQ(drawImage(slots, screen, 0, 0, 3), std::nullopt);
    EXPECT_EQ(at(0, 0), halfGreen);
    EXPECT_EQ(at(1, 1), halfGreen);
    EXPECT_EQ(at(2, 0), paper);
    // Slot 5 is the frame at (2, 2): only its bottom-right pixel is opaque.
    ASSERT_EQ(drawImage(slots, screen, 5, 5, 5), std::nullopt);
    EXPECT_EQ(at(5, 5), paper);
    EXPECT_EQ(at(6, 6), opaqueBlue);
}

TEST_F(DrawImageTest, PixelsBeyondTheBufferAreSkipped) {
    ASSERT_EQ(drawImage(slots, screen, -1, -1, 1), std::nullopt);
    EXPECT_EQ(at(0, 0), opaqueRed);
    EXPECT_EQ(at(2, 2), opaqueBlue);
    // Coordinates 0..96 are drawable; the real surface is 128 wide.
    ASSERT_EQ(drawImage(slots, screen, 95, 95, 1), std::nullopt);
    EXPECT_EQ(at(95, 95), opaqueRed);
    EXPECT_EQ(at(96, 96), opaqueRed);
    EXPECT_EQ(at(97, 95), paper);
}

TEST_F(DrawImageTest, ClipBoundsAreInclusive) {
    screen.clip = {1, 1, 1, 2, true};
    ASSERT_EQ(drawImage(slots, screen, 0, 0, 1), std::nullopt);
    EXPECT_EQ(at(0, 0), paper);
    EXPECT_EQ(at(1, 0), paper);
    EXPECT_EQ(at(1, 1), opaqueRed);
    EXPECT_EQ(at(2, 1), paper);
    EXPECT_EQ(at(1, 2), paper);  // transparent there
}

TEST_F(DrawImageTest, Errors) {
    EXPECT_EQ(drawImage(slots, screen, 0, 0, 0), RunError::OutOfRange);
    EXPECT_EQ(drawImage(slots, screen, 0, 0, 7), RunError::ImageNotLoaded);
    EXPECT_EQ(drawImage(slots, screen, 0, 0, 99), RunError::ImageNotLoaded);
    for (int y = 0; y <= screen.bufferY; ++y)
        for (int x = 0; x <= screen.bufferX; ++x) ASSERT_EQ(at(x, y), paper);
}

}  // namespace
