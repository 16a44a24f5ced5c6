// Error files the error file fuzz target once crashed on.
#include "error_file.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Thirty digits of line number overflowed the int being built; the numbers
// now stop at the largest int, and the fields after them read as usual.
TEST(ErrorFileRegression, OverlongNumbersStopAtTheLargestInt) {
    const std::string line = "3111111111111111111111111111." + std::string(20, '9') + "Divide by zero|Line 3: [99999999999-640]";
    const ErrorReport report = parseErrorLine(line);
    EXPECT_EQ(report.line, std::numeric_limits<int>::max());
    EXPECT_EQ(report.code, std::numeric_limits<int>::max());
    EXPECT_EQ(report.message, "Divide by zero");
    EXPECT_EQ(report.lineText, "Line 3");
    EXPECT_EQ(report.detail, " ");
    const ScreenSize size = parseScreenSize(line);
    EXPECT_EQ(size.width, std::numeric_limits<int>::max());
    EXPECT_EQ(size.height, 640);
}

// 214748364 * 10 + 7 is the largest int itself and still reads exactly.
TEST(ErrorFileRegression, TheLargestIntReadsExactly) {
    EXPECT_EQ(parseErrorLine("2147483647.5x").line, 2147483647);
    EXPECT_EQ(parseErrorLine("2147483648.5x").line, 2147483647);
    EXPECT_EQ(parseErrorLine("2147483647.5x").code, 5);
}

}  // namespace
