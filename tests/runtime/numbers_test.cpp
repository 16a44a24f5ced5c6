// Reading the numbers inside text codes.
#include "numbers.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

float floatOf(const char* text) { return readFloatText(text, 0, 'x').value; }
int32_t intOf(const char* text) { return readIntegerText(text, 0, 'x').value; }

TEST(NumberField, ReadsFourDigitsAndZeroPastTheEnd) {
    const char* text = "0042~b12";
    EXPECT_EQ(readField(text, 8, 0), 42);
    EXPECT_EQ(readField(text, 8, 4), ('~' - '0') * 1000 + ('b' - '0') * 100 + 12);  // digits are not validated
    EXPECT_EQ(readField(text, 8, 5), 0);                                            // runs past the end
}

TEST(IntegerText, MinusAnywhereNegatesAndOtherCharactersAreIgnored) {
    EXPECT_EQ(intOf("123x"), 123);
    EXPECT_EQ(intOf("12-3x"), -123);
    EXPECT_EQ(intOf("1a2 3x"), 123);
    EXPECT_EQ(intOf("2147483648x"), INT32_MIN);  // wraps
    EXPECT_EQ(readIntegerText("17:rest", 0, ':').end, 2u);
}

TEST(FloatText, EqualTextsGiveEqualValues) {
    EXPECT_EQ(floatOf("1.5x"), 1.5f);
    EXPECT_EQ(floatOf("1.50x"), 1.5f);
    EXPECT_EQ(floatOf("-.5x"), -0.5f);
    EXPECT_EQ(floatOf("3x"), 3.0f);
    EXPECT_EQ(floatOf("-2.25x"), -2.25f);
}

TEST(FloatText, FractionIsDividedByTenOncePerDigitInSinglePrecision) {
    float expected = 1.0f;
    for (int i = 0; i < 3; ++i) expected = expected / 10.0f;
    EXPECT_EQ(floatOf("0.001x"), expected);
    float third = 333333.0f;
    for (int i = 0; i < 6; ++i) third = third / 10.0f;
    EXPECT_EQ(floatOf("7.333333x"), 7.0f + third);
}

}  // namespace
