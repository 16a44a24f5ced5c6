#include "folders.h"
#include "help_browser.h"
#include "print_layout.h"
#include "sample_code.h"

#include <gtest/gtest.h>

TEST(SampleProgram, MarksColourTheTextAfterThem) {
    using enum ColourClass;
    EXPECT_EQ(samplePieces(sampleProgram[0]), (std::vector<SampleText>{{Remark, ";  sample program"}}));
    EXPECT_EQ(samplePieces(sampleProgram[1]), (std::vector<SampleText>{{Normal, " X = "}, {Number, "100"}}));
    EXPECT_EQ(samplePieces(sampleProgram[3]),
              (std::vector<SampleText>{{Keyword, " Print "}, {String, "\"Hello World\""}}));
    EXPECT_EQ(samplePieces(sampleProgram[4]), (std::vector<SampleText>{{Keyword, " Sprite "},
                                                                      {Number, "1"},
                                                                      {Normal, ",X,Y"},
                                                                      {Normal, ","},
                                                                      {Number, "3"}}));
}

TEST(PrintLayout, PagesHeaderAndNumberedLines) {
    EXPECT_EQ(printLinesPerPage(1000, 10), 93);  // 100 line heights, less the six above the body and one below
    EXPECT_EQ(printPageCount(0, 93), 1);
    EXPECT_EQ(printPageCount(93, 93), 1);
    EXPECT_EQ(printPageCount(94, 93), 2);
    EXPECT_EQ(printHeader("game.orb", 2), "game.orb (Page 2)");
    EXPECT_EQ(printedLine("a\t  b", 7, true), "7    a   b");
    EXPECT_EQ(printedLine("x", 12345, true), "12345 x");
    EXPECT_EQ(printedLine("a\t  b", 7, false), "a   b");
}

namespace {

HelpBrowser browserWithPages() {
    HelpBrowser help;
    help.load("_index\nHi\n_ErrorMessages\nNone@p\nError 1 Syntax@p\nError 2 End\n_---COMMANDS---\n_Print\nA@pB@pC\n");
    return help;
}

}  // namespace

TEST(HelpBrowserState, EntryWithTwoMarksHasThreePages) {
    HelpBrowser help = browserWithPages();
    ASSERT_TRUE(help.search("print"));
    EXPECT_EQ(help.pages(), 3);
    EXPECT_EQ(help.page, 0);
    EXPECT_FALSE(help.canGoBack());
    help.nextPage();
    help.nextPage();
    help.nextPage();
    EXPECT_EQ(help.page, 2);
    EXPECT_FALSE(help.canGoForward());
    EXPECT_EQ(help.currentPageText(), "C\n");
}

TEST(HelpBrowserState, ListsAndRows) {
    HelpBrowser help = browserWithPages();
    help.showList(HelpSection::General);
    EXPECT_EQ(help.rowTitles(), (std::vector<std::string>{"index", "ErrorMessages"}));
    help.showList(HelpSection::Errors);
    EXPECT_EQ(help.rowTitles(), (std::vector<std::string>{"", "1 Syntax", "2 End"}));
    help.selectRow(2);
    EXPECT_EQ(help.page, 2);
    EXPECT_EQ(help.currentRow(), 2);
    help.showList(HelpSection::Commands);
    EXPECT_EQ(help.rowTitles(), (std::vector<std::string>{"Print"}));
    help.selectRow(0);
    EXPECT_EQ(help.page, 0);
    EXPECT_EQ(help.file.entries[static_cast<size_t>(help.current)].title, "Print");
}

TEST(HelpBrowserState, WithoutAFileNothingHappens) {
    HelpBrowser help;
    EXPECT_FALSE(help.search("Print"));
    help.showList(HelpSection::Commands);
    EXPECT_TRUE(help.rows.empty());
    EXPECT_EQ(help.pages(), 0);
}
