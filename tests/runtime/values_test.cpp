// The value rules at their edges.
#include "values.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

TEST(IntegerOperators, DivisionTruncatesTowardZeroAndRemainderTakesTheDividendsSign) {
    EXPECT_EQ(*applyInteger(7, Operator::Divide, 2), 3);
    EXPECT_EQ(*applyInteger(-7, Operator::Divide, 2), -3);
    EXPECT_EQ(*applyInteger(-7, Operator::Remainder, 2), -1);
    EXPECT_EQ(*applyInteger(7, Operator::Remainder, -2), 1);
}

TEST(IntegerOperators, ZeroDivisorIsAnError) {
    EXPECT_FALSE(applyInteger(7, Operator::Divide, 0));
    EXPECT_FALSE(applyInteger(7, Operator::Remainder, 0));
}

TEST(IntegerOperators, OverflowWrapsWithoutTrapping) {
    EXPECT_EQ(*applyInteger(INT32_MAX, Operator::Add, 1), INT32_MIN);
    EXPECT_EQ(*applyInteger(INT32_MIN, Operator::Subtract, 1), INT32_MAX);
    EXPECT_EQ(*applyInteger(65536, Operator::Multiply, 65536), 0);
    EXPECT_EQ(*applyInteger(INT32_MIN, Operator::Divide, -1), INT32_MIN);
    EXPECT_EQ(*applyInteger(INT32_MIN, Operator::Remainder, -1), 0);
}

TEST(FloatOperators, DivisionByZeroGivesInfinityButRemainderByZeroIsAnError) {
    EXPECT_TRUE(std::isinf(*applyFloat(1.0f, Operator::Divide, 0.0f)));
    EXPECT_EQ(*applyFloat(5.5f, Operator::Remainder, 2.0f), 1.0f);
    EXPECT_FALSE(applyFloat(5.5f, Operator::Remainder, 0.9f));  // the divisor truncates to 0
}

TEST(Conversion, TruncatesTowardZeroAndOutOfRangeGivesTheMostNegativeInteger) {
    EXPECT_EQ(truncateToInt(7.9f), 7);
    EXPECT_EQ(truncateToInt(-7.9f), -7);
    EXPECT_EQ(truncateToInt(3e9f), INT32_MIN);
    EXPECT_EQ(truncateToInt(NAN), INT32_MIN);
}

TEST(StringOperators, PlusAppendsOthersReplaceAndTheRegisterIsCut) {
    std::string acc = "ab";
    applyString(acc, Operator::Add, "cd");
    EXPECT_EQ(acc, "abcd");
    applyString(acc, Operator::Add, "");
    EXPECT_EQ(acc, "abcd");
    applyString(acc, Operator::Subtract, "x");
    EXPECT_EQ(acc, "x");
    applyString(acc, Operator::Add, std::string(2000, 'y'));
    EXPECT_EQ(acc.size(), registerLength);
}

TEST(Comparisons, StringsAreOnlyEqualOrNot) {
    EXPECT_FALSE(compareStrings("abc", CompareOp::Equal, "ABC"));
    EXPECT_TRUE(compareStrings("abc", CompareOp::NotEqual, "ABC"));
    EXPECT_FALSE(compareStrings("abc", CompareOp::Less, "b"));
    EXPECT_FALSE(compareStrings("b", CompareOp::Greater, "abc"));
    EXPECT_FALSE(compareIntegers(1, CompareOp::None, 1));
    EXPECT_TRUE(compareFloats(1.5f, CompareOp::LessEqual, 1.5f));
}

TEST(FloatText, KeepsOneDigitAfterThePoint) {
    EXPECT_EQ(floatText(100.0f), "100.0");
    EXPECT_EQ(floatText(2.5f), "2.5");
    EXPECT_EQ(floatText(3.0f), "3.0");
    EXPECT_EQ(floatText(0.125f), "0.125");
    EXPECT_EQ(floatText(-7.25f), "-7.25");
}

TEST(Sorting, StringsIgnoreCaseKeepEqualOrderAndPutTheEmptyTextFirst) {
    std::vector<std::string> texts = {"b", "A", "", "a"};
    sortStrings(texts.data(), texts.data() + 3);
    EXPECT_EQ(texts, (std::vector<std::string>{"", "A", "a", "b"}));

    std::vector<std::string> prefixes = {"abc", "AB"};
    sortStrings(prefixes.data(), prefixes.data() + 1);
    EXPECT_EQ(prefixes, (std::vector<std::string>{"abc", "AB"}));  // a prefix counts as equal
}

TEST(Sorting, CharactersCompareAsSignedBytes) {
    std::vector<std::string> texts = {"a", "\xe9"};  // 0xe9 is negative as a signed byte
    sortStrings(texts.data(), texts.data() + 1);
    EXPECT_EQ(texts[0], "\xe9");
}

TEST(Sorting, NumbersAscend) {
    std::vector<int32_t> ints = {5, -1, 3, 3, 0};
    sortIntegers(ints.data(), ints.data() + 4);
    EXPECT_EQ(ints, (std::vector<int32_t>{-1, 0, 3, 3, 5}));
    std::vector<float> floats = {2.5f, -1.0f, 0.5f};
    sortFloats(floats.data(), floats.data() + 2);
    EXPECT_EQ(floats, (std::vector<float>{-1.0f, 0.5f, 2.5f}));
}

}  // namespace
