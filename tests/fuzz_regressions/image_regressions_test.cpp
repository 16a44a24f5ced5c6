// Program images the image fuzz target once crashed on.
#include "image.h"

#include <gtest/gtest.h>

namespace {

std::optional<RunError> loadWithSize(const std::string& width, const std::string& height) {
    const std::string text = "w01VXB\n1f\nw1" + width + "w2" + height +
                             "w30000w40001wu0001w60000w70000w80000w90000wA0000wx0011";
    Image image;
    return loadImageText(text, image);
}

// A width field of non-digits read as 154 thousand, and the start-up asked for
// a frame of several gigabytes. Sizes must be four digits.
TEST(ImageRegression, SizeFieldsOfOtherCharactersAreABrokenTrailer) {
    EXPECT_EQ(loadWithSize("\312\314\311\317", "8679"), RunError::ProgramError);
    EXPECT_EQ(loadWithSize("0360", "9:99"), RunError::ProgramError);
    EXPECT_EQ(loadWithSize("0-00", "0640"), RunError::ProgramError);
    EXPECT_EQ(loadWithSize("0360", "0640"), std::nullopt);
    EXPECT_EQ(loadWithSize("9999", "9999"), std::nullopt);
}

}  // namespace
