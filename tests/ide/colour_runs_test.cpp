#include "colour_runs.h"

#include <gtest/gtest.h>

using Runs = std::vector<ColourRun>;
constexpr ColourClass N = ColourClass::Normal, K = ColourClass::Keyword, Num = ColourClass::Number,
                      S = ColourClass::String, R = ColourClass::Remark;

TEST(Keywords, SuffixMustFitTheResultKind) {
    EXPECT_TRUE(isKeyword("print"));
    EXPECT_TRUE(isKeyword("PRINT"));
    EXPECT_FALSE(isKeyword("Print$"));
    EXPECT_TRUE(isKeyword("Str$"));
    EXPECT_FALSE(isKeyword("Str"));
    EXPECT_TRUE(isKeyword("Abs"));
    EXPECT_TRUE(isKeyword("Abs#"));
    EXPECT_FALSE(isKeyword("Abs$"));
    EXPECT_TRUE(isKeyword("Date"));
    EXPECT_TRUE(isKeyword("Date$"));
    EXPECT_TRUE(isKeyword("ReadData#"));
    EXPECT_TRUE(isKeyword("Sprite"));  // a command: no suffix
    EXPECT_FALSE(isKeyword(""));
    EXPECT_FALSE(isKeyword("Printer"));
}

TEST(ColourRuns, EmptyLineIsNormal) { EXPECT_EQ(colourRuns(""), (Runs{{0, N}})); }

TEST(ColourRuns, KeywordThenNormal) {
    EXPECT_EQ(colourRuns("print x"), (Runs{{0, K}, {5, N}}));
    EXPECT_EQ(colourRuns("Print$ x"), (Runs{{0, N}}));
    EXPECT_EQ(colourRuns("a$ = Left$(b$,1)"), (Runs{{0, N}, {5, K}, {10, N}, {14, Num}, {15, N}}));
    EXPECT_EQ(colourRuns("Print1"), (Runs{{0, N}}));
    EXPECT_EQ(colourRuns("_x1 Goto"), (Runs{{0, N}, {4, K}}));
}

TEST(ColourRuns, SemicolonInsideStringIsString) {
    EXPECT_EQ(colourRuns("Print \"a;b\" ; note"), (Runs{{0, K}, {5, N}, {6, S}, {11, N}, {12, R}}));
}

TEST(ColourRuns, SingleQuotesAndUnclosedStrings) {
    EXPECT_EQ(colourRuns("a$ = 'c'"), (Runs{{0, N}, {5, S}}));
    EXPECT_EQ(colourRuns("Print \"abc"), (Runs{{0, K}, {5, N}, {6, S}}));
    EXPECT_EQ(colourRuns("x = \"Print 5\""), (Runs{{0, N}, {4, S}}));
}

TEST(ColourRuns, HexNumberTakesLettersOnlyAfterDollar) {
    EXPECT_EQ(colourRuns("x = $1F + 1F"), (Runs{{0, N}, {4, Num}, {7, N}, {10, Num}, {11, N}}));
    EXPECT_EQ(colourRuns("3.14"), (Runs{{0, Num}}));
}

TEST(ColourRuns, RemMakesTheRestARemark) {
    EXPECT_EQ(colourRuns("Rem hello"), (Runs{{0, K}, {3, R}}));
    EXPECT_EQ(colourRuns("x=1 REM"), (Runs{{0, N}, {2, Num}, {3, N}, {4, K}}));
    EXPECT_EQ(colourRuns("Remark = 1"), (Runs{{0, N}, {9, Num}}));
    EXPECT_EQ(colourRuns("; all \"of\" it"), (Runs{{0, R}}));
}
