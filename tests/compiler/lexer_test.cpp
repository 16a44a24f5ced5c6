// Numbers, words and first-token kinds of the lexical layer.
#include "compile_messages.h"
#include "lexer.h"

#include <gtest/gtest.h>

namespace {

NumberLiteral number(std::string_view text, int expectedError = 0) {
    Cursor cur{text, 0};
    NumberLiteral n;
    EXPECT_EQ(readNumber(cur, n), expectedError) << text;
    return n;
}

TEST(Lexer, DecimalNumbersWrapAndKeepTheirFractionDigits) {
    EXPECT_EQ(number("255").value, 255);
    EXPECT_EQ(number("4294967297").value, 1);
    NumberLiteral f = number("1.250");
    EXPECT_TRUE(f.hasFraction);
    EXPECT_EQ(f.value, 1);
    EXPECT_EQ(f.fraction, "250");
    number("1.", SyntaxError);
}

TEST(Lexer, HexNumbersAndHexFractions) {
    EXPECT_EQ(number("$ff").value, 255);
    EXPECT_EQ(number("$FFFFFFFF").value, -1);
    NumberLiteral f = number("$1.0A");
    EXPECT_EQ(f.value, 1);
    EXPECT_EQ(f.fraction, "010");
    number("$fg", InvalidHexNumber);
    number("$", SyntaxError);
}

TEST(Lexer, FirstTokenKind) {
    EXPECT_EQ(firstTokenKind("  -x#", 0), ValueKind::Float);
    EXPECT_EQ(firstTokenKind("(a$ + b$)", 0), ValueKind::String);
    EXPECT_EQ(firstTokenKind("2 * 1.5", 0), ValueKind::Integer);
    EXPECT_EQ(firstTokenKind("$1.8", 0), ValueKind::Float);
    EXPECT_EQ(firstTokenKind("\"x\"", 0), ValueKind::String);
    EXPECT_EQ(firstTokenKind(" , 1", 0), ValueKind::None);
    EXPECT_EQ(firstTokenKind("   ", 0), ValueKind::None);
}

TEST(Lexer, MatchWordIsWholeWordAndIgnoresCase) {
    Cursor cur{"andx and", 0};
    EXPECT_FALSE(cur.matchWord("AND"));
    EXPECT_EQ(cur.pos, 0u);
    cur.pos = 5;
    EXPECT_TRUE(cur.matchWord("AND"));
    EXPECT_EQ(cur.pos, 8u);
}

}  // namespace
