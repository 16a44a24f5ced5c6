// The logic behind the editor's conveniences and the help viewer's search:
// bracket matching, ";" remarks, keyword completion, zoom, the caret line's colour.
#include "bracket_match.h"
#include "comment_toggle.h"
#include "current_line.h"
#include "font_step.h"
#include "help_browser.h"
#include "keyword_completion.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using Lines = std::vector<std::string>;

// ---- bracket matching ----

TEST(BracketMatch, BracketBeforeTheCaretFindsItsPartner) {
    const auto pair = matchingBracket("x = Max(a, (b))", 15);  // caret after the last ")"
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->at, 14);
    EXPECT_EQ(pair->partner, 7);
}

TEST(BracketMatch, BracketAtTheCaretWhenNoneBeforeIt) {
    const auto pair = matchingBracket("Max(a, (b))", 7);  // caret before "(b"
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->at, 7);
    EXPECT_EQ(pair->partner, 9);
}

TEST(BracketMatch, SquareBracketsOfProcedureParameters) {
    const auto pair = matchingBracket("AddPoint[a(1), 2]", 9);
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->at, 8);
    EXPECT_EQ(pair->partner, 16);
}

TEST(BracketMatch, UnmatchedBracketHasNoPartner) {
    const auto pair = matchingBracket("Print (1 + 2", 7);
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->at, 6);
    EXPECT_EQ(pair->partner, -1);
}

TEST(BracketMatch, BracketsInStringsAndRemarksDoNotCount) {
    EXPECT_FALSE(matchingBracket("Print \"(\"", 8));
    EXPECT_FALSE(matchingBracket("x = 1 ; (note)", 9));
    const auto pair = matchingBracket("Len(\")\")", 4);  // the ")" inside the string is text
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->partner, 7);
}

TEST(BracketMatch, NoBracketBesideTheCaret) {
    EXPECT_FALSE(matchingBracket("Print x", 3));
    EXPECT_FALSE(matchingBracket("", 0));
}

// ---- remarks ----

TEST(CommentToggle, CommentsEveryLineThatHoldsText) {
    EXPECT_EQ(toggledComments({"Print 1", "", "\tx = 2"}), (Lines{"; Print 1", "", "\t; x = 2"}));
}

TEST(CommentToggle, UncommentsWhenEveryLineIsARemark) {
    EXPECT_EQ(toggledComments({"; Print 1", "  ;x = 2", "   "}), (Lines{"Print 1", "  x = 2", "   "}));
}

TEST(CommentToggle, AMixOfRemarksAndCodeIsCommentedWhole) {
    EXPECT_EQ(toggledComments({"; old", "Print 1"}), (Lines{"; ; old", "; Print 1"}));
}

TEST(CommentToggle, OnlyBlankLinesStayAsTheyAre) {
    EXPECT_EQ(toggledComments({"", "  "}), (Lines{"", "  "}));
}

TEST(CommentToggle, SelectionIsOneUndoGroupAndStaysSelected) {
    CEditorDoc doc;
    doc.setLinesFromText("a = 1\nb = 2\nc = 3\n");
    Caret caret;
    caret.anchor = {0, 2};
    caret.pos = {2, 0};  // the selection ends at the start of line 3, which it does not take
    toggleComments(doc, caret);
    EXPECT_EQ(doc.line(0), "; a = 1");
    EXPECT_EQ(doc.line(1), "; b = 2");
    EXPECT_EQ(doc.line(2), "c = 3");
    EXPECT_EQ(caret.anchor, (TextPos{0, 0}));
    EXPECT_EQ(caret.pos, (TextPos{1, 7}));
    doc.undo();
    EXPECT_EQ(doc.line(0), "a = 1");
    EXPECT_EQ(doc.line(1), "b = 2");
}

TEST(CommentToggle, CaretMovesWithItsTextAndTabsKeepTheirStops) {
    CEditorDoc doc;
    doc.setLinesFromText("\tPrint x\n");
    Caret caret;
    caret.moveTo({0, 6}, false);  // after "Pr": the tab fills columns 0 to 3
    toggleComments(doc, caret);
    EXPECT_EQ(contractTabs(doc.line(0)), "\t; Print x");
    EXPECT_EQ(caret.pos, (TextPos{0, 8}));
    toggleComments(doc, caret);
    EXPECT_EQ(contractTabs(doc.line(0)), "\tPrint x");
    EXPECT_EQ(caret.pos, (TextPos{0, 6}));
}

// ---- keyword completion ----

TEST(KeywordCompletion, PrefixMatchesWithoutRegardToCaseInAlphabeticalOrder) {
    std::vector<std::string> words;
    for (const Completion& c : completionsFor("circ")) words.push_back(c.word);
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(words.front(), "Circle");
    for (const std::string& word : words) EXPECT_TRUE(word.size() >= 4 && (word[0] == 'C' || word[0] == 'c')) << word;
    std::vector<std::string> sorted = words;
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return std::tolower(x) < std::tolower(y); });
    });
    EXPECT_EQ(words, sorted);
}

TEST(KeywordCompletion, WordsCarryTheSuffixTheirResultNeeds) {
    std::vector<std::string> words;
    for (const Completion& c : completionsFor("abs")) words.push_back(c.word);
    EXPECT_EQ(words, (std::vector<std::string>{"Abs", "Abs#"}));
    ASSERT_EQ(completionsFor("inkey").size(), 1u);
    EXPECT_EQ(completionsFor("inkey")[0].word, "Inkey$");
}

TEST(KeywordCompletion, EmptyPrefixListsEveryNamedKeywordOnce) {
    const std::vector<Completion> all = completionsFor("");
    // 224 entries, 11 without a name; Abs, ReadData, Val, Max, Min and Date have
    // more than one result kind but each written form is listed once.
    EXPECT_GT(all.size(), 190u);
    EXPECT_LE(all.size(), 213u);
    EXPECT_TRUE(completionsFor("zzz").empty());
}

TEST(KeywordCompletion, SignaturesInWords) {
    EXPECT_EQ(describeSignature("Circle", "10112"), "Circle integer, integer, float");
    EXPECT_EQ(describeSignature("Left", "1331"), "Left$(string, integer) gives string");
    EXPECT_EQ(describeSignature("Inkey", "13"), "Inkey$() gives string");
    EXPECT_EQ(describeSignature("Abs", "122"), "Abs#(float) gives float");
    // "+" before the second parameter: TO may end it, as in Line x1, y1 TO x2, y2.
    EXPECT_EQ(describeSignature("Line", "101+111"), "Line integer, integer TO integer, integer");
    EXPECT_EQ(describeSignature("ExitLoop", "00"), "ExitLoop");
}

TEST(KeywordCompletion, ReplacedPartIsTheWordBeforeTheCaret) {
    EXPECT_EQ(completionStart("x = cir", 7), 4);
    EXPECT_EQ(completionStart("x = cir", 5), 4);
    EXPECT_EQ(completionStart("Print(", 6), 6);
    EXPECT_EQ(completionStart("a_b1", 4), 0);
}

TEST(KeywordCompletion, KeywordBeforeTheCaretWithItsSuffix) {
    ASSERT_NE(keywordBefore("a$ = left$", 10), nullptr);
    EXPECT_EQ(keywordBefore("a$ = left$", 10)->word, "Left$");
    ASSERT_NE(keywordBefore("Circle", 6), nullptr);
    EXPECT_EQ(keywordBefore("Circle", 6)->signature, "Circle integer, integer, float");
    EXPECT_EQ(keywordBefore("Circles", 7), nullptr);
    EXPECT_EQ(keywordBefore("x = ", 4), nullptr);
}

// ---- zoom and the caret line ----

TEST(EditorZoom, StepsOfTwoPixelsKeepTheWidthsProportion) {
    EXPECT_EQ(zoomedFontSize(13, 8, 0), (FontSize{13, 8}));
    EXPECT_EQ(zoomedFontSize(13, 8, 1), (FontSize{15, 9}));   // 8 * 15 / 13 = 9.2
    EXPECT_EQ(zoomedFontSize(13, 8, -2), (FontSize{9, 6}));   // 8 * 9 / 13 = 5.5
    EXPECT_EQ(zoomedFontSize(13, 0, 1), (FontSize{15, 0}));   // the font's own width
}

TEST(EditorZoom, HeightStaysWithinBounds) {
    EXPECT_EQ(clampZoomSteps(13, 100), 17);   // 13 + 2 * 17 = 47
    EXPECT_EQ(clampZoomSteps(13, -100), -3);  // 13 - 6 = 7
    EXPECT_EQ(zoomedFontSize(13, 8, 100).height, 47);
    EXPECT_EQ(zoomedFontSize(13, 8, -100).height, 7);
}

TEST(CurrentLine, LightBackgroundsDarkenAndDarkOnesLighten) {
    EXPECT_EQ(currentLineBackground(0xF0F0F0), 0xE2E2E2);
    EXPECT_EQ(currentLineBackground(0x000000), 0x161616);
    EXPECT_EQ(currentLineBackground(0x0080FF), 0x1672F1);  // per channel: 00 up, 80 down, FF down
}

// ---- help search while typing ----

namespace {

HelpBrowser sampleHelp() {
    HelpBrowser help;
    help.load("_index\nHi\n_ErrorMessages\nNone\n_variableviewer\nV\n_Circle guide\nG\n_---COMMANDS---\n"
              "_Box\nB\n_Circle\nC\n_CircleFill\nF\n_Cls\nL\n");
    return help;
}

std::string currentTitle(const HelpBrowser& help) { return help.file.entries[static_cast<size_t>(help.current)].title; }

}  // namespace

TEST(HelpPrefixSearch, CommandEntriesComeFirst) {
    HelpBrowser help = sampleHelp();
    ASSERT_TRUE(help.searchPrefix("circ"));
    EXPECT_EQ(currentTitle(help), "Circle");
    EXPECT_EQ(help.list, HelpSection::Commands);
}

TEST(HelpPrefixSearch, AWholeTitleWins) {
    HelpBrowser help = sampleHelp();
    ASSERT_TRUE(help.searchPrefix("CIRCLEFILL"));
    EXPECT_EQ(currentTitle(help), "CircleFill");
    ASSERT_TRUE(help.searchPrefix("circle guide"));
    EXPECT_EQ(currentTitle(help), "Circle guide");
}

TEST(HelpPrefixSearch, GeneralEntriesWhenNoCommandStartsSo) {
    HelpBrowser help = sampleHelp();
    ASSERT_TRUE(help.searchPrefix("var"));
    EXPECT_EQ(currentTitle(help), "variableviewer");
    EXPECT_EQ(help.list, HelpSection::General);
}

TEST(HelpPrefixSearch, NothingFoundLeavesTheEntry) {
    HelpBrowser help = sampleHelp();
    ASSERT_TRUE(help.searchPrefix("b"));
    EXPECT_FALSE(help.searchPrefix("bx"));
    EXPECT_FALSE(help.searchPrefix(""));
    EXPECT_EQ(currentTitle(help), "Box");
    EXPECT_FALSE(help.searchPrefix("---"));  // the separator is not an entry to show
}

TEST(HelpPageExtent, RowsAndColumnsWithoutMarks) {
    EXPECT_EQ(pageExtent("@1Abc@0\nde\n").rows, 2);
    EXPECT_EQ(pageExtent("@1Abc@0\nde\n").columns, 3);
    EXPECT_EQ(pageExtent("a\nlast").rows, 2);
    EXPECT_EQ(pageExtent("").rows, 0);
}

TEST(ShippedHelpOrder, CommandEntriesAreAlphabetical) {
    std::ifstream in(ORB_HELP_FILE, std::ios::binary);
    ASSERT_TRUE(in) << ORB_HELP_FILE;
    std::ostringstream text;
    text << in.rdbuf();
    const HelpFile file = parseHelpFile(text.str());
    const std::vector<HelpSection> sections = helpSections(file);
    std::vector<std::string> titles;
    for (size_t i = 0; i < file.entries.size(); ++i)
        if (sections[i] == HelpSection::Commands && file.entries[i].title != "---COMMANDS---") {
            std::string lower = file.entries[i].title;
            for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            titles.push_back(lower);
        }
    ASSERT_GT(titles.size(), 200u);
    EXPECT_TRUE(std::is_sorted(titles.begin(), titles.end()));
}
