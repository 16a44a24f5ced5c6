#include "listing.h"

#include <gtest/gtest.h>

TEST(ListingSize, CountsOneBytePerDollarAndTwoPerReference) {
    EXPECT_EQ(listingSize(""), 0);
    EXPECT_EQ(listingSize("$09 $40\n"), 2);
    EXPECT_EQ(listingSize(":L0001\n$09 $40\n$A7 _L0001\n"), 5);
}

TEST(LabelTable, PositionsCountCodeBeforeTheLabel) {
    LabelTable t = buildLabelTable(":L0000\n$09 $40\n$A7 _L0000\n:IP0001\n$09 $40\n");
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].name, "L0000");
    EXPECT_EQ(t[0].position, 0);
    EXPECT_EQ(t[1].name, "IP0001");
    EXPECT_EQ(t[1].position, 2 + 3);
    EXPECT_FALSE(t[1].repeat);
    EXPECT_EQ(frameCount(t), 2);
}

TEST(LabelTable, LabelsAtOnePositionGiveOneFrame) {
    LabelTable t = buildLabelTable("$00\n:A\n:B\n$09 $40\n:C\n");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].position, 1);
    EXPECT_EQ(t[1].position, 1);
    EXPECT_TRUE(t[1].repeat);
    EXPECT_EQ(t[2].position, 3);
    EXPECT_EQ(frameCount(t), 2);
}

TEST(LabelTable, NoLabelsNoFrames) {
    EXPECT_EQ(frameCount(buildLabelTable("$00 $00\n")), 0);
}

TEST(LabelTable, ColonEndsTheNameAndTheRestOfTheLineIsSkipped) {
    LabelTable t = buildLabelTable(":XP0003: $01 $02 _Q\n$03\n");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].name, "XP0003");
    std::vector<std::uint8_t> code;
    EXPECT_TRUE(appendListingCode(":XP0003: $01 $02 _Q\n$03\n", t, code));
    EXPECT_EQ(code, std::vector<std::uint8_t>{0x03});
}

TEST(ListingCode, BytesAreHexInEitherCase) {
    std::vector<std::uint8_t> code;
    EXPECT_TRUE(appendListingCode("$b6 $0A $Ff\n$7\n", {}, code));
    EXPECT_EQ(code, (std::vector<std::uint8_t>{0xB6, 0x0A, 0xFF, 0x07}));
}

TEST(ListingCode, ReferenceIsDistanceFromTheBranchOpcode) {
    // The goto at 0 reaches the label at 5: +5. The ifne at 6 jumps back to
    // the label at 5: -1, written as 0xFFFF.
    std::string listing = "$A7 _l1\n$00 $00\n:L1\n$09 $9A _L1\n";
    LabelTable t = buildLabelTable(listing);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].position, 5);
    std::vector<std::uint8_t> code;
    EXPECT_TRUE(appendListingCode(listing, t, code));
    EXPECT_EQ(code, (std::vector<std::uint8_t>{0xA7, 0x00, 0x05, 0x00, 0x00, 0x09, 0x9A, 0xFF, 0xFF}));
}

TEST(ListingCode, UnknownLabelFails) {
    std::vector<std::uint8_t> code;
    EXPECT_FALSE(appendListingCode(":L0001\n$A7 _L0002\n", buildLabelTable(":L0001\n"), code));
}
