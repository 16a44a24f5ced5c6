#include "text_file.h"
#include "text_lines.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(TextFileRead, LfFileKeepsLfAndItsMissingLastLineEnd) {
    const TextFileContents file = readTextFile("a\nb");
    EXPECT_EQ(file.lines, (Lines{"a", "b"}));
    EXPECT_EQ(file.form.lineEnd, LineEnd::Lf);
    EXPECT_FALSE(file.form.finalLineEnd);
    EXPECT_EQ(writeTextFile(file.lines, file.form), "a\nb");
}

TEST(TextFileRead, CrLfFileIsWrittenBackAsItCame) {
    const TextFileContents file = readTextFile("x\r\n\r\ny\r\n");
    EXPECT_EQ(file.lines, (Lines{"x", "", "y"}));
    EXPECT_EQ(file.form.lineEnd, LineEnd::CrLf);
    EXPECT_EQ(writeTextFile(file.lines, file.form), "x\r\n\r\ny\r\n");
}

TEST(TextFileRead, NewDocumentsEndEveryLineWithCrLf) {
    EXPECT_EQ(writeTextFile(Lines{"a", ""}, TextFileForm{}), "a\r\n\r\n");
}

TEST(TextFileRead, Utf8WithinLatin1IsReadAsLatin1AndWrittenAsUtf8) {
    const TextFileContents file = readTextFile("Gr\xC3\xBC\xC3\x9F" "e\n");
    EXPECT_EQ(file.lines, (Lines{"Gr\xFC\xDF" "e"}));
    EXPECT_TRUE(file.form.utf8);
    EXPECT_FALSE(file.beyondLatin1);
    EXPECT_EQ(writeTextFile(file.lines, file.form), "Gr\xC3\xBC\xC3\x9F" "e\n");
}

TEST(TextFileRead, EightBitTextThatIsNotUtf8StaysByteForByte) {
    const TextFileContents file = readTextFile("\xA3" "5 \xE9t\xE9\r\n");
    EXPECT_EQ(file.lines, (Lines{"\xA3" "5 \xE9t\xE9"}));
    EXPECT_FALSE(file.form.utf8);
    EXPECT_EQ(writeTextFile(file.lines, file.form), "\xA3" "5 \xE9t\xE9\r\n");
}

TEST(TextFileRead, Utf8BeyondLatin1IsMarked) {
    const TextFileContents file = readTextFile("a\xE2\x82\xAC" "b\n");  // a, euro sign, b
    EXPECT_TRUE(file.beyondLatin1);
    EXPECT_EQ(file.lines, (Lines{"a?b"}));
}

TEST(TextFileRead, NulBytesMakeABinaryFile) {
    EXPECT_TRUE(readTextFile(std::string_view("PK\0\x03", 4)).binary);
    EXPECT_FALSE(readTextFile("Print 1\n").binary);
}

TEST(TextFileRead, InvalidUtf8IsRejected) {
    std::u32string points;
    EXPECT_FALSE(decodeUtf8("\xC3", points));          // cut short
    EXPECT_FALSE(decodeUtf8("\xC0\xAF", points));      // overlong
    EXPECT_FALSE(decodeUtf8("\xED\xA0\x80", points));  // a surrogate
    EXPECT_FALSE(decodeUtf8("\xBF", points));          // a lone continuation byte
    EXPECT_TRUE(decodeUtf8("\xF0\x9F\x98\x80", points));
    EXPECT_EQ(points, std::u32string(1, U'\U0001F600'));
}

TEST(TextLinesGap, InsertsAndErasesAnywhere) {
    TextLines lines;
    for (int i = 0; i < 100; ++i) lines.push_back(std::to_string(i));
    lines.erase(0);
    lines.insert(50, "x");
    lines.erase(99);
    lines.insert(0, "first");
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines[0], "first");
    EXPECT_EQ(lines[1], "1");
    EXPECT_EQ(lines[50], "50");
    EXPECT_EQ(lines[51], "x");
    EXPECT_EQ(lines.back(), "98");
    const Lines all = lines.toVector();
    EXPECT_EQ(all.size(), 100u);
    EXPECT_EQ(all[51], "x");
}

TEST(TextFileRead, AByteOrderMarkIsKeptOutOfTheTextAndWrittenBack) {
    const TextFileContents file = readTextFile("\xEF\xBB\xBFPrint \"\xC3\xA9\"\r\n");
    EXPECT_FALSE(file.beyondLatin1);
    EXPECT_EQ(file.lines, (Lines{"Print \"\xE9\""}));
    EXPECT_EQ(writeTextFile(file.lines, file.form), "\xEF\xBB\xBFPrint \"\xC3\xA9\"\r\n");
}
