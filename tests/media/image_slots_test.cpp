// Image slots: whole pictures, multi-images cut into frames, reloading, and
// the pictures that slots resolve to.
#include "fake_pictures.h"

#include <gtest/gtest.h>

namespace {

struct ImageSlotsTest : testing::Test {
    ImageSlots slots;
    FakePictureFiles files;

    void SetUp() override {
        files.files["sheet.png"] = filledPicture(32, 32, opaqueRed);
        files.files["wide.png"] = filledPicture(48, 16, opaqueBlue);
        files.files["one.png"] = filledPicture(5, 7, opaqueBlue);
    }
    const ImageSlot& slot(int n) { return slots.slots.at(static_cast<std::size_t>(n - 1)); }
};

void expectFrame(const ImageSlot& s, int32_t parent, int32_t x, int32_t y, int32_t w, int32_t h) {
    EXPECT_EQ(s.parent, parent);
    EXPECT_EQ(s.frameX, x);
    EXPECT_EQ(s.frameY, y);
    EXPECT_EQ(s.frameWidth, w);
    EXPECT_EQ(s.frameHeight, h);
}

TEST_F(ImageSlotsTest, WholePictureHasNoFrameAndGrowsTenBeyond) {
    ASSERT_EQ(loadImages(slots, files, "one.png", 3, 0, 0, 0), std::nullopt);
    EXPECT_EQ(slots.slots.size(), 13u);  // indices 0 .. 2 + 10
    expectFrame(slot(3), -1, -1, -1, -1, -1);
    ASSERT_TRUE(slot(3).image);
    EXPECT_EQ(slot(3).image->width, 5);
    EXPECT_TRUE(isLoaded(slots, 2));
    EXPECT_FALSE(isLoaded(slots, 1));
    EXPECT_FALSE(isLoaded(slots, 3));
    EXPECT_FALSE(isLoaded(slots, 13));
}

TEST_F(ImageSlotsTest, ThreeFramesFillAcrossThenDown) {
    ASSERT_EQ(loadImages(slots, files, "sheet.png", 4, 3, 16, 16), std::nullopt);
    expectFrame(slot(4), 3, 0, 0, 16, 16);
    expectFrame(slot(5), 3, 16, 0, 16, 16);
    expectFrame(slot(6), 3, 0, 16, 16, 16);
    EXPECT_TRUE(slot(4).image);
    EXPECT_FALSE(slot(5).image);
    EXPECT_FALSE(isLoaded(slots, 6));
}

TEST_F(ImageSlotsTest, MoreFramesThanFitStopAtTheBottomEdge) {
    ASSERT_EQ(loadImages(slots, files, "one.png", 5, 0, 0, 0), std::nullopt);
    ASSERT_EQ(loadImages(slots, files, "sheet.png", 1, 9, 16, 16), std::nullopt);
    expectFrame(slot(4), 0, 16, 16, 16, 16);
    // Slot 5 is as it was: the whole picture.
    expectFrame(slot(5), -1, -1, -1, -1, -1);
    EXPECT_TRUE(slot(5).image);
}

TEST_F(ImageSlotsTest, FramesOfARowEndWhenTheNextWouldStartPastTheRightEdge) {
    ASSERT_EQ(loadImages(slots, files, "wide.png", 1, 3, 20, 16), std::nullopt);
    // 0 and 20 fit; 40 starts inside the 48-wide picture, so it is a frame too.
    expectFrame(slot(1), 0, 0, 0, 20, 16);
    expectFrame(slot(2), 0, 20, 0, 20, 16);
    expectFrame(slot(3), 0, 40, 0, 20, 16);
}

TEST_F(ImageSlotsTest, ReloadingAsAWholePictureClearsTheFrameFields) {
    ASSERT_EQ(loadImages(slots, files, "sheet.png", 1, 2, 16, 16), std::nullopt);
    ASSERT_EQ(loadImages(slots, files, "one.png", 2, 0, 0, 0), std::nullopt);
    expectFrame(slot(2), -1, -1, -1, -1, -1);
    ResolvedPicture p;
    ASSERT_EQ(resolvePicture(slots, 1, p), std::nullopt);
    EXPECT_EQ(p.width, 5);
    EXPECT_EQ(p.height, 7);
}

TEST_F(ImageSlotsTest, FailuresLeaveTheSlotUnloaded) {
    ASSERT_EQ(loadImages(slots, files, "one.png", 1, 0, 0, 0), std::nullopt);
    EXPECT_EQ(loadImages(slots, files, "missing.png", 1, 0, 0, 0), RunError::FailedToLoadImage);
    EXPECT_FALSE(isLoaded(slots, 0));
    EXPECT_EQ(loadImages(slots, files, "one.png", 0, 0, 0, 0), RunError::OutOfRange);
}

TEST_F(ImageSlotsTest, FramesResolveToTheirRectangleInTheParent) {
    ASSERT_EQ(loadImages(slots, files, "sheet.png", 2, 3, 16, 16), std::nullopt);
    ResolvedPicture p;
    ASSERT_EQ(resolvePicture(slots, 3, p), std::nullopt);
    EXPECT_EQ(p.image, slot(2).image.get());
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 16);
    EXPECT_EQ(p.width, 16);
    EXPECT_EQ(p.height, 16);
    EXPECT_EQ(resolvePicture(slots, 0, p), RunError::ImageNotLoaded);
    EXPECT_EQ(resolvePicture(slots, 500, p), RunError::ImageNotLoaded);
}

TEST_F(ImageSlotsTest, FrameWhoseParentLostItsPictureIsNotResolved) {
    ASSERT_EQ(loadImages(slots, files, "sheet.png", 1, 2, 16, 16), std::nullopt);
    EXPECT_EQ(loadImages(slots, files, "missing.png", 1, 0, 0, 0), RunError::FailedToLoadImage);
    ResolvedPicture p;
    EXPECT_TRUE(isLoaded(slots, 1));
    EXPECT_EQ(resolvePicture(slots, 1, p), RunError::ImageNotLoaded);
}

}  // namespace
