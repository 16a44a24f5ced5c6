#include "font_step.h"

#include <gtest/gtest.h>

namespace {
bool any(int, int) { return true; }
bool none(int, int) { return false; }
}  // namespace

TEST(FontStep, IncAndDecWithinTheirBounds) {
    EXPECT_EQ(stepFontSize(13, +1, any), (FontSize{14, 8}));
    EXPECT_EQ(stepFontSize(18, +1, any), (FontSize{19, 11}));
    EXPECT_EQ(stepFontSize(19, +1, any), std::nullopt);
    EXPECT_EQ(stepFontSize(12, +1, any), std::nullopt);
    EXPECT_EQ(stepFontSize(14, -1, any), std::nullopt);
    EXPECT_EQ(stepFontSize(15, -1, any), (FontSize{14, 8}));
    EXPECT_EQ(stepFontSize(20, -1, any), (FontSize{19, 11}));
    EXPECT_EQ(stepFontSize(21, -1, any), std::nullopt);
}

TEST(FontStep, MissingSizesAreSkippedInTheSameDirection) {
    auto without15and16 = [](int height, int) { return height != 15 && height != 16; };
    EXPECT_EQ(stepFontSize(14, +1, without15and16), (FontSize{17, 10}));
    EXPECT_EQ(stepFontSize(17, -1, without15and16), (FontSize{14, 8}));
    // Outside 14 to 19 no size is skipped.
    EXPECT_EQ(stepFontSize(13, +1, none), (FontSize{20, 12}));
    EXPECT_EQ(stepFontSize(20, -1, none), (FontSize{13, 8}));
}
