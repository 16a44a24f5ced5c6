// The decoded side table: what the loader keeps for a code must be what the
// text says, wherever the evaluator may be led.
#include "image.h"
#include "values.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const std::string trailer = "w10360w20640w30000w40001w50001w60000w70002w80000w90000wA0000wx0011";

Image loaded(const std::string& body) {
    Image image;
    EXPECT_FALSE(loadImageText("w01VXB\n" + body + trailer, image));
    return image;
}

TEST(DecodedCodes, FieldsAndLiteralsAreConvertedOnce) {
    Image image = loaded("v40012m0-35x\nm12.5x\n");
    const CodeTable table(image);
    const CodeAt assign = table.at(7);
    EXPECT_EQ(assign.code.op, Op::Assign);
    EXPECT_EQ(assign.code.aux, '1');
    EXPECT_EQ(assign.code.value, 12);
    EXPECT_EQ(assign.next, 13u);
    const CodeAt literal = table.at(13);
    EXPECT_EQ(literal.code.op, Op::IntegerLiteral);
    EXPECT_EQ(literal.code.value, -35);
    EXPECT_EQ(literal.next, 19u);
    const CodeAt real = table.at(20);
    float value;
    std::memcpy(&value, &real.code.value, sizeof value);
    EXPECT_EQ(real.code.op, Op::FloatLiteral);
    EXPECT_EQ(value, 2.5f);
}

TEST(DecodedCodes, AnOperatorAndTheOperandAfterItAreOneRecordThatSpansBoth) {
    Image image = loaded("m+v10003m*m07x\n");
    const CodeTable table(image);
    const CodeAt plus = table.at(7);
    EXPECT_EQ(plus.code.op, Op::ArithmeticInteger);
    EXPECT_EQ(static_cast<Operator>(plus.code.aux), Operator::Add);
    EXPECT_EQ(plus.code.value, 3);
    EXPECT_EQ(plus.next, 15u);
    const CodeAt times = table.at(15);
    EXPECT_EQ(times.code.op, Op::ArithmeticLiteral);
    EXPECT_EQ(times.code.value, 7);
    EXPECT_EQ(times.next, 21u);
    // The operand keeps a record of its own, as the scan met it.
    EXPECT_EQ(table.at(9).code.op, Op::Read);
}

TEST(DecodedCodes, JumpsCarryTheirTargetAndAnOutOfTableNumberStaysAnError) {
    Image image = loaded("~b0001~a0001~b0007\n");
    const CodeTable table(image);
    EXPECT_EQ(table.at(7).code.op, Op::Goto);
    EXPECT_EQ(table.at(7).code.value, 19);  // after the mark ~a0001
    EXPECT_EQ(table.at(19).code.value, badTarget);
}

TEST(DecodedCodes, OnlyTheCodesTheScanMetAreKeptAndAPositionInsideOneIsDecodedWhereMet) {
    Image image = loaded("v40012e\nm+v10003\n");
    EXPECT_NE(image.codes.find(7), nullptr);
    EXPECT_EQ(image.codes.find(9), nullptr);
    const CodeTable table(image);
    const CodeAt inside = table.at(9);  // "0012e": a character that starts no code
    EXPECT_EQ(inside.code.op, Op::Invalid);
    EXPECT_EQ(table.at(9).code.op, Op::Invalid);
    // Records are found by position across the table: the end mark, the operator and its operand.
    EXPECT_EQ(table.at(13).code.op, Op::EndMark);
    EXPECT_EQ(table.at(15).code.op, Op::ArithmeticInteger);
    EXPECT_EQ(table.at(17).code.op, Op::Read);
    EXPECT_EQ(table.at(17).code.value, 3);
}

TEST(DecodedCodes, RecordsAreFoundPastManyBlocksOfPositions) {
    std::string body;
    char line[32];
    for (int k = 0; k < 300; ++k) {
        std::snprintf(line, sizeof line, "v4%.4dm0%dx\n", k, k);
        body += line;
    }
    Image image = loaded(body);
    const CodeTable table(image);
    uint32_t pos = 7;
    for (int k = 0; k < 300; ++k) {
        const CodeAt assign = table.at(pos);
        ASSERT_EQ(assign.code.op, Op::Assign) << k;
        ASSERT_EQ(assign.code.value, k);
        const CodeAt literal = table.at(assign.next);
        ASSERT_EQ(literal.code.op, Op::IntegerLiteral);
        ASSERT_EQ(literal.code.value, k);
        pos = table.at(literal.next).next;  // past the newline
    }
}

TEST(DecodedCodes, PositionsPastTheTextAreTheEnd) {
    Image image = loaded("1f\n");
    const CodeTable table(image);
    EXPECT_EQ(table.at(image.length).code.op, Op::Nul);
    EXPECT_EQ(table.at(image.length + 5).code.op, Op::Nul);
}

}  // namespace
