#include "find_replace.h"

#include <gtest/gtest.h>


TEST(Find, ForwardIgnoringCase) {
    CEditorDoc doc;
    doc.setLinesFromText("Print a\nprint b\nPRINTER");
    FindOptions options{"print"};
    EXPECT_EQ(findText(doc, {0, 0}, options), (TextPos{0, 0}));
    EXPECT_EQ(findText(doc, {0, 1}, options), (TextPos{1, 0}));
    EXPECT_EQ(findText(doc, {1, 1}, options), (TextPos{2, 0}));
    EXPECT_EQ(findText(doc, {2, 1}, options), std::nullopt);
}

TEST(Find, MatchCaseAndWholeWord) {
    CEditorDoc doc;
    doc.setLinesFromText("Print a\nprint b\nPRINTER x_print");
    EXPECT_EQ(findText(doc, {0, 0}, FindOptions{"print", true}), (TextPos{1, 0}));
    EXPECT_EQ(findText(doc, {1, 1}, FindOptions{"print", false, true}), std::nullopt);
    EXPECT_EQ(findText(doc, {1, 1}, FindOptions{"print", false, false}), (TextPos{2, 0}));
}

TEST(Find, BackwardFindsTheLastMatchBeforeTheCaret) {
    CEditorDoc doc;
    doc.setLinesFromText("ab ab\nx\nab");
    FindOptions options{"ab", false, false, false};
    EXPECT_EQ(findText(doc, {2, 0}, options), (TextPos{0, 3}));
    EXPECT_EQ(findText(doc, {0, 3}, options), (TextPos{0, 0}));
    EXPECT_EQ(findText(doc, {0, 0}, options), std::nullopt);
}

TEST(Replace, OneMatchIsOneLineReplacement) {
    CEditorDoc doc;
    doc.setLinesFromText("x = Goto 1");
    EXPECT_EQ(replaceMatch(doc, {0, 4}, FindOptions{"goto"}, "Gosub", true), (TextPos{0, 9}));
    EXPECT_EQ(doc.line(0), "x = Gosub 1");
}

TEST(Replace, ReplaceAllIsOneUndoGroup) {
    CEditorDoc doc;
    doc.setLinesFromText("Print a : print b\nPRINTER");
    EXPECT_EQ(replaceAll(doc, FindOptions{"print"}, "Show"), 3);
    EXPECT_EQ(doc.allLines(), (std::vector<std::string>{"Show a : Show b", "ShowER"}));
    doc.undo();
    EXPECT_EQ(doc.allLines(), (std::vector<std::string>{"Print a : print b", "PRINTER"}));
    EXPECT_FALSE(doc.canUndo());
}

TEST(Replace, ReplacementHoldingTheTextEnds) {
    CEditorDoc doc;
    doc.setLinesFromText("aaa");
    EXPECT_EQ(replaceAll(doc, FindOptions{"a"}, "aa"), 3);
    EXPECT_EQ(doc.line(0), "aaaaaa");
    EXPECT_EQ(replaceAll(doc, FindOptions{""}, "x"), 0);
}
