#include "edit_commands.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

Caret at(int line, int column) { return Caret{{line, column}, {line, column}}; }

}  // namespace

TEST(EditKeys, EnterWithAutoIndentCopiesIndentAsTabsAndBlanks) {
    CEditorDoc doc;
    doc.setLinesFromText("\t  x");
    ASSERT_EQ(doc.line(0), "\t     x");
    Caret caret = at(0, 7);
    pressEnter(doc, caret, true);
    EXPECT_EQ(doc.allLines(), (Lines{"\t     x", "\t     "}));
    EXPECT_EQ(caret.pos, (TextPos{1, 6}));
    doc.undo();
    EXPECT_EQ(doc.allLines(), (Lines{"\t     x"}));
}

TEST(EditKeys, EnterWithoutAutoIndentSplitsOnly) {
    CEditorDoc doc;
    doc.setLinesFromText("  ab");
    Caret caret = at(0, 3);
    pressEnter(doc, caret, false);
    EXPECT_EQ(doc.allLines(), (Lines{"  a", "b"}));
    EXPECT_EQ(caret.pos, (TextPos{1, 0}));
}

TEST(EditKeys, EnterReplacesTheSelectionInOneGroup) {
    CEditorDoc doc;
    doc.setLinesFromText("abcdef");
    Caret caret{{0, 4}, {0, 2}};
    pressEnter(doc, caret, true);
    EXPECT_EQ(doc.allLines(), (Lines{"ab", "ef"}));
    doc.undo();
    EXPECT_EQ(doc.allLines(), (Lines{"abcdef"}));
}

TEST(EditKeys, BackspaceAtDocumentStartDoesNothing) {
    CEditorDoc doc;
    doc.setLinesFromText("ab");
    Caret caret = at(0, 0);
    pressBackspace(doc, caret);
    EXPECT_EQ(doc.line(0), "ab");
    EXPECT_FALSE(doc.canUndo());
}

TEST(EditKeys, BackspaceAtLineStartJoinsWithPreviousLine) {
    CEditorDoc doc;
    doc.setLinesFromText("ab\ncd");
    Caret caret = at(1, 0);
    pressBackspace(doc, caret);
    EXPECT_EQ(doc.allLines(), (Lines{"abcd"}));
    EXPECT_EQ(caret.pos, (TextPos{0, 2}));
}

TEST(EditKeys, BackspaceAfterATabRemovesTabAndPadding) {
    CEditorDoc doc;
    doc.setLinesFromText("a\tb");
    Caret caret = at(0, 4);
    pressBackspace(doc, caret);
    EXPECT_EQ(doc.line(0), "ab");
    EXPECT_EQ(caret.pos, (TextPos{0, 1}));
}

TEST(EditKeys, CtrlDeleteRemovesWordAndFollowingBlanksAsOneGroup) {
    CEditorDoc doc;
    doc.setLinesFromText("x abc_1  def");
    Caret caret = at(0, 2);
    pressCtrlDelete(doc, caret);
    EXPECT_EQ(doc.line(0), "x def");
    doc.undo();
    EXPECT_EQ(doc.line(0), "x abc_1  def");
    EXPECT_FALSE(doc.canUndo());
}

TEST(EditKeys, CtrlDeleteOnBlanksRemovesOnlyTheBlanks) {
    CEditorDoc doc;
    doc.setLinesFromText("ab   cd");
    Caret caret = at(0, 2);
    pressCtrlDelete(doc, caret);
    EXPECT_EQ(doc.line(0), "abcd");
}

TEST(EditKeys, CtrlDeleteWithSelectionDeletesTheSelection) {
    CEditorDoc doc;
    doc.setLinesFromText("abc\ndef");
    Caret caret{{1, 1}, {0, 1}};
    pressCtrlDelete(doc, caret);
    EXPECT_EQ(doc.allLines(), (Lines{"aef"}));
    EXPECT_EQ(caret.pos, (TextPos{0, 1}));
}

TEST(EditKeys, TabInsertsPaddedTabAndMovesToTheStop) {
    CEditorDoc doc;
    doc.setLinesFromText("ab");
    Caret caret = at(0, 1);
    pressTab(doc, caret);
    EXPECT_EQ(doc.line(0), "a\t  b");
    EXPECT_EQ(caret.pos, (TextPos{0, 4}));
}

TEST(EditKeys, TabOverASelectionIndentsEveryLineAsOneGroup) {
    CEditorDoc doc;
    doc.setLinesFromText("a\nb\nc");
    Caret caret{{1, 1}, {0, 0}};
    pressTab(doc, caret);
    EXPECT_EQ(doc.allLines(), (Lines{"\t   a", "\t   b", "c"}));
    indentSelection(doc, caret, true);
    EXPECT_EQ(doc.allLines(), (Lines{"a", "b", "c"}));
    doc.undo();
    doc.undo();
    EXPECT_EQ(doc.allLines(), (Lines{"a", "b", "c"}));
    EXPECT_FALSE(doc.canUndo());
}

TEST(EditKeys, TypingOverASelectionIsOneGroup) {
    CEditorDoc doc;
    doc.setLinesFromText("hello");
    Caret caret{{0, 5}, {0, 0}};
    typeChar(doc, caret, 'H');
    typeChar(doc, caret, 'i');
    EXPECT_EQ(doc.line(0), "Hi");
    doc.undo();
    EXPECT_EQ(doc.line(0), "hello");
}

TEST(EditKeys, CaretMovesOverTabsAsOneCharacter) {
    CEditorDoc doc;
    doc.setLinesFromText("a\tb\nxy");
    EXPECT_EQ(rightOf(doc, {0, 1}), (TextPos{0, 4}));
    EXPECT_EQ(leftOf(doc, {0, 4}), (TextPos{0, 1}));
    EXPECT_EQ(rightOf(doc, {0, 5}), (TextPos{1, 0}));
    EXPECT_EQ(leftOf(doc, {1, 0}), (TextPos{0, 5}));
    EXPECT_EQ(onLine(doc, 0, 3), (TextPos{0, 1}));
    EXPECT_EQ(onLine(doc, 9, 9), (TextPos{1, 2}));
    EXPECT_EQ(wordRightOf(doc, {1, 0}), (TextPos{1, 2}));
}

TEST(Clipboard, CopyDropsPaddingAndPasteIsOneGroup) {
    CEditorDoc doc;
    doc.setLinesFromText("a\tb\ncd");
    EXPECT_EQ(selectedText(doc, Caret{{1, 1}, {0, 0}}), "a\tb\nc");
    Caret caret{{1, 2}, {1, 0}};
    pasteText(doc, caret, "x\r\n\ty");
    EXPECT_EQ(doc.allLines(), (Lines{"a\t  b", "x", "\t   y"}));
    EXPECT_EQ(caret.pos, (TextPos{2, 5}));
    doc.undo();
    EXPECT_EQ(doc.allLines(), (Lines{"a\t  b", "cd"}));
}

TEST(Clipboard, PasteInsideALine) {
    CEditorDoc doc;
    doc.setLinesFromText("ad");
    Caret caret = at(0, 1);
    pasteText(doc, caret, "bc");
    EXPECT_EQ(doc.line(0), "abcd");
    EXPECT_EQ(caret.pos, (TextPos{0, 3}));
}

TEST(QuickHelp, WordAtCaretTakesSuffixes) {
    CEditorDoc doc;
    doc.setLinesFromText("x$ = Left$(a$, 2)\n");
    EXPECT_EQ(helpWordAt(doc, {0, 7}), "Left$");
    EXPECT_EQ(helpWordAt(doc, {0, 5}), "Left$");
    EXPECT_EQ(helpWordAt(doc, {0, 3}), "");
    EXPECT_EQ(helpWordAt(doc, {5, 0}), "");
}
