#include "error_file.h"

#include <gtest/gtest.h>

TEST(ErrorLine, RuntimeErrorWithScreenSize) {
    const std::string file = "12.96Divide by zero|Line 12: [360-640]\r\nScore=5\r\nname$=\"Bob\"\r\n";
    const ErrorReport report = parseErrorLine(firstErrorLine(file));
    EXPECT_EQ(report.line, 12);
    EXPECT_EQ(report.code, 96);
    EXPECT_EQ(report.message, "Divide by zero");
    EXPECT_EQ(report.lineText, "Line 12");
    EXPECT_EQ(report.detail, " ");
    const ScreenSize size = parseScreenSize(firstErrorLine(file));
    EXPECT_EQ(size.width, 360);
    EXPECT_EQ(size.height, 640);
}

TEST(ErrorLine, CompileErrorKeepsTheStatementText) {
    const ErrorReport report = parseErrorLine("12.1Syntax error|Line 12:  Prnt 5");
    EXPECT_EQ(report.line, 12);
    EXPECT_EQ(report.code, 1);
    EXPECT_EQ(report.message, "Syntax error");
    EXPECT_EQ(report.lineText, "Line 12");
    EXPECT_EQ(report.detail, "  Prnt 5");
}

TEST(ErrorLine, NoErrorsHasCodeZero) {
    const ErrorReport report = parseErrorLine("3.0No errors|Total Lines 3");
    EXPECT_EQ(report.line, 3);
    EXPECT_EQ(report.code, 0);
    EXPECT_EQ(report.message, "No errors");
    EXPECT_EQ(report.lineText, "Total Lines 3");
    EXPECT_EQ(report.detail, "");
}

TEST(ErrorLine, CharacterSevenShowsAsBracketAndBracketsAreSkipped) {
    const ErrorReport report = parseErrorLine("5.52Missing \x07 in [junk]list|Line 5:  a(1");
    EXPECT_EQ(report.message, "Missing [ in list");
    EXPECT_EQ(report.detail, "  a(1");
}

TEST(ErrorLine, SecondBarContinuesTheLineText) {
    const ErrorReport report = parseErrorLine("4.1Syntax error|Line 4:  Prnt|Using include file: lib.orb");
    EXPECT_EQ(report.lineText, "Line 4 Using include file: lib.orb");
    EXPECT_EQ(report.detail, "  Prnt");
}

TEST(ErrorLine, TypeMismatchLongForm) {
    const ErrorReport report = parseErrorLine("7.24Type mismatch|Line 7, \"Ink\" Param 1 : Ink \"red\"");
    EXPECT_EQ(report.code, 24);
    EXPECT_EQ(report.lineText, "Line 7, \"Ink\" Param 1 ");
    EXPECT_EQ(report.detail, " Ink \"red\"");
}

TEST(ErrorLine, ReadStopsAt125CharactersOrAZeroByte) {
    const std::string longLine = "1.1" + std::string(200, 'x');
    EXPECT_EQ(firstErrorLine(longLine).size(), 125u);
    EXPECT_EQ(firstErrorLine(std::string("2.3ab\0cd", 8)), "2.3ab");
}

TEST(ErrorLine, ScreenSizeAbsentOrStartup) {
    const ScreenSize none = parseScreenSize("3.0No errors|Total Lines 3");
    EXPECT_EQ(none.width, 0);
    EXPECT_EQ(none.height, 0);
    const ScreenSize landscape = parseScreenSize("9.110End of program|Line 9: [640-360]");
    EXPECT_EQ(landscape.width, 640);
    EXPECT_EQ(landscape.height, 360);
}

TEST(ErrorFile, MissingFileReadsAsNothing) {
    EXPECT_FALSE(readErrorFile("/nonexistent-folder/orberr.tmp").has_value());
}

TEST(VariableDump, NamesAndValuesInFileOrder) {
    const std::string file = "7.0Program closed|Line 007: [360-640]\r\nScore=12\r\nA(1)=0\r\nspeed#=1.500000\r\n=skip\r\n"
                             "name$=\"a=b\"\r\n";
    const std::vector<DumpEntry> dump = parseVariableDump(file);
    ASSERT_EQ(dump.size(), 4u);
    EXPECT_EQ(dump[0].name, "Score");
    EXPECT_EQ(dump[0].value, "12");
    EXPECT_EQ(dump[1].name, "A(1)");
    EXPECT_EQ(dump[2].name, "speed#");
    EXPECT_EQ(dump[2].value, "1.500000");
    EXPECT_EQ(dump[3].name, "name$");
    EXPECT_EQ(dump[3].value, "\"a=b\"");
    const DumpEntry* found = findVariable(dump, "score");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->name, "Score");
    EXPECT_EQ(findVariable(dump, "lives"), nullptr);
}

TEST(VariableDump, OnlyTheErrorLineMeansNoVariables) {
    EXPECT_TRUE(parseVariableDump("3.0No errors|Total Lines 3").empty());
    EXPECT_TRUE(parseVariableDump("").empty());
}
