#include "editor_view.h"
#include "editor_view_fixture.h"
#include "find_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

using ViewFixture = EditorViewFixture;

}  // namespace

TEST(EditorMargin, LineNumberPositions) {
    EXPECT_EQ(CEditorView::lineNumberX(0, 2000), 38);
    EXPECT_EQ(CEditorView::lineNumberX(9, 2000), 30);
    EXPECT_EQ(CEditorView::lineNumberX(99, 2000), 22);
    EXPECT_EQ(CEditorView::lineNumberX(999, 2000), 14);
    EXPECT_EQ(CEditorView::lineNumberX(0, 9999), 38);
    EXPECT_EQ(CEditorView::lineNumberX(9998, 9999), 14);   // line 9999
    // Past 9,999 lines the margin widens by a digit and every number moves right.
    EXPECT_EQ(CEditorView::lineNumberX(0, 20000), 46);
    EXPECT_EQ(CEditorView::lineNumberX(9998, 20000), 22);
    EXPECT_EQ(CEditorView::lineNumberX(19999, 20000), 14);  // line 20000
    EXPECT_EQ(CEditorView::lineNumberX(5, 5), -1);          // no such line
}

TEST_F(ViewFixture, TheMarginWidensWithTheLineCount) {
    open(std::string(9999, '\n').c_str());
    const int four = view->marginWidth();
    view->setCaret({9998, 0});
    key(Qt::Key_Return);
    EXPECT_EQ(doc->lineCount(), 10000);
    EXPECT_EQ(view->marginWidth(), four + view->characterWidth());
    view->undo();
    EXPECT_EQ(view->marginWidth(), four);
}

TEST_F(ViewFixture, RedoLeavesTheCaretAtTheEndOfTheRedoneText) {
    open("x");
    key(Qt::Key_End);
    type("abc");
    view->undo();
    EXPECT_EQ(view->caret().pos, (TextPos{0, 1}));
    view->setCaret({0, 0});
    view->redo();
    EXPECT_EQ(doc->line(0), "xabc");
    EXPECT_EQ(view->caret().pos, (TextPos{0, 4}));
}

TEST_F(ViewFixture, TypingRunIsUndoneAtOnce) {
    open("");
    type("abc");
    EXPECT_EQ(doc->line(0), "abc");
    view->undo();
    EXPECT_EQ(doc->line(0), "");
}

TEST_F(ViewFixture, PoundSignIsTyped) {
    open("");
    QTest::keyClick(view.get(), Qt::Key_sterling, Qt::NoModifier);
    EXPECT_EQ(doc->line(0), "\xA3");
}

TEST_F(ViewFixture, EnterWithAutoIndentFromTheKeyboard) {
    open("\t  x");
    key(Qt::Key_End);
    key(Qt::Key_Return);
    type("y");
    EXPECT_EQ(doc->allLines(), (Lines{"\t     x", "\t     y"}));
    EXPECT_EQ(view->caret().pos, (TextPos{1, 7}));
}

TEST_F(ViewFixture, EnterWithoutAutoIndent) {
    settings.autoIndent = 0;
    open("  x");
    key(Qt::Key_End);
    key(Qt::Key_Return);
    EXPECT_EQ(doc->allLines(), (Lines{"  x", ""}));
}

TEST_F(ViewFixture, BackspaceAtTheStartDoesNothing) {
    open("ab");
    key(Qt::Key_Backspace);
    EXPECT_EQ(doc->line(0), "ab");
    EXPECT_FALSE(doc->canUndo());
}

TEST_F(ViewFixture, CtrlDeleteRemovesAWord) {
    open("Print  x");
    key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(doc->line(0), "x");
}

TEST_F(ViewFixture, TabKeyInsertsATabAndShiftMovementSelects) {
    open("ab");
    key(Qt::Key_Right);
    key(Qt::Key_Tab);
    EXPECT_EQ(doc->line(0), "a\t  b");
    EXPECT_EQ(view->caret().pos, (TextPos{0, 4}));
    key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_TRUE(view->caret().hasSelection());
    key(Qt::Key_Tab);
    EXPECT_EQ(doc->line(0), "\t   a\t  b");
}

TEST_F(ViewFixture, StatusPaneHearsTheCaretCountedFromOne) {
    open("abc\ndef");
    QSignalSpy moved(view.get(), &CEditorView::caretMoved);
    key(Qt::Key_Down);
    key(Qt::Key_End);
    ASSERT_FALSE(moved.isEmpty());
    EXPECT_EQ(moved.last().at(0).toInt(), 2);
    EXPECT_EQ(moved.last().at(1).toInt(), 4);
}

TEST_F(ViewFixture, GoToLineIsLimitedToTheDocument) {
    open("a\nb\nc");
    view->goToLine(2);
    EXPECT_EQ(view->caret().pos, (TextPos{1, 0}));
    view->goToLine(99);
    EXPECT_EQ(view->caret().pos, (TextPos{2, 0}));
}

TEST_F(ViewFixture, ClipboardCutAndPaste) {
    open("hello world");
    view->setCaret({0, 5}, TextPos{0, 0});
    view->cut();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("hello"));
    EXPECT_EQ(doc->line(0), " world");
    key(Qt::Key_End);
    view->paste();
    EXPECT_EQ(doc->line(0), " worldhello");
}

TEST_F(ViewFixture, QuickHelpTopic) {
    open("x = Rnd(5)\n");
    view->setCaret({0, 5});
    EXPECT_EQ(view->helpTopic(), "Rnd");
    view->setCaret({0, 3});
    EXPECT_EQ(view->helpTopic(), "userguide");
}

TEST_F(ViewFixture, UndoReturnsTheCaretToTheChange) {
    open("one\ntwo\nthree");
    view->setCaret({2, 5});
    type("!");
    view->setCaret({0, 0});
    view->undo();
    EXPECT_EQ(view->caret().pos, (TextPos{2, 5}));
    EXPECT_EQ(doc->line(2), "three");
}

TEST_F(ViewFixture, PaintsWithAndWithoutColours) {
    open("Print \"a;b\" ; remark\nx = $1F");
    view->setCaret({0, 2}, TextPos{1, 3});
    QImage shot = view->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    settings.syntaxColouring = 0;
    view->applySettings();
    shot = view->grab().toImage();
    EXPECT_FALSE(shot.isNull());
}

TEST_F(ViewFixture, FindDialogReplaceAllIsOneUndoGroup) {
    open("Print a\nprint b");
    CFindDialog dialog([this] { return view.get(); });
    int reports = 0;
    dialog.reportNotFound = [&](const QString&) { ++reports; };
    dialog.open(true);
    dialog.setFindText(QStringLiteral("print"));
    dialog.setReplaceText(QStringLiteral("Show"));
    dialog.replaceAll();
    EXPECT_EQ(doc->allLines(), (Lines{"Show a", "Show b"}));
    view->undo();
    EXPECT_EQ(doc->allLines(), (Lines{"Print a", "print b"}));
    EXPECT_EQ(reports, 0);
}

TEST_F(ViewFixture, FindDialogReportsOnlyWhenNothingWasFound) {
    open("Goto x\nGoto y");
    CFindDialog dialog([this] { return view.get(); });
    QStringList reports;
    dialog.reportNotFound = [&](const QString& text) { reports << text; };
    dialog.open(false);
    dialog.setFindText(QStringLiteral("goto"));
    dialog.findNext();
    EXPECT_EQ(view->caret().pos, (TextPos{0, 4}));
    dialog.findNext();
    EXPECT_EQ(view->caret().pos, (TextPos{1, 4}));
    QStringList notes;
    dialog.note = [&](const QString& text) { notes << text; };
    dialog.findNext();  // round the end, back to the first
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_EQ(view->caret().pos, (TextPos{0, 4}));
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].startsWith(QStringLiteral("Passed the end")));
    dialog.findPrevious();  // round the start, to the last
    EXPECT_EQ(view->caret().selectionStart(), (TextPos{1, 0}));
    dialog.open(false);
    dialog.setFindText(QStringLiteral("gosub"));
    view->setCaret({0, 2});
    dialog.findNext();
    EXPECT_EQ(reports, QStringList{QStringLiteral("gosub")});
    EXPECT_EQ(notes.last(), QStringLiteral("\"gosub\" not found"));
    EXPECT_EQ(view->caret().pos, (TextPos{0, 2}));  // the caret stays where it was
}

TEST_F(ViewFixture, FindStartsWithTheWordAtTheCaretAndReplaceAllCounts) {
    open("Print a : Print b\nprint c");
    view->setCaret({0, 2});
    CFindDialog dialog([this] { return view.get(); });
    QStringList notes;
    dialog.note = [&](const QString& text) { notes << text; };
    dialog.open(true);
    EXPECT_EQ(dialog.options().text, "Print");
    dialog.setReplaceText(QStringLiteral("Show"));
    dialog.replaceAll();
    EXPECT_EQ(notes, QStringList{QStringLiteral("Replaced 3 occurrences")});
}

TEST_F(ViewFixture, ReplaceReplacesTheCurrentMatchAndSearchesOn) {
    open("a = 1 : a = 2");
    CFindDialog dialog([this] { return view.get(); });
    dialog.reportNotFound = [](const QString&) {};
    dialog.open(true);
    dialog.setFindText(QStringLiteral("a"));
    dialog.setReplaceText(QStringLiteral("bb"));
    dialog.findNext();
    dialog.replace();
    EXPECT_EQ(doc->line(0), "bb = 1 : a = 2");
    EXPECT_EQ(view->caret().selectionStart(), (TextPos{0, 9}));
}

namespace {

bool rowHasColour(const QImage& image, int y, int fromX, int toX, QColor colour) {
    for (int x = fromX; x < toX && x < image.width(); ++x)
        if (image.pixelColor(x, y) == colour) return true;
    return false;
}

bool bandHasColour(const QImage& image, int top, int height, int fromX, int toX, QColor colour) {
    for (int y = top; y < top + height; ++y)
        if (rowHasColour(image, y, fromX, toX, colour)) return true;
    return false;
}

}  // namespace

TEST_F(ViewFixture, PaintsRunsInTheirColoursAndTheSelection) {
    open("Print x\n  12\n");
    const QImage shot = view->viewport()->grab().toImage();
    const int m = view->marginWidth();
    const int w = view->characterWidth();
    const int h = view->lineHeight();
    EXPECT_TRUE(bandHasColour(shot, 0, h, m, m + 5 * w, QColor(0, 0, 255)));       // Print: KeyCol
    EXPECT_FALSE(bandHasColour(shot, 0, h, m + 5 * w, m + 7 * w, QColor(0, 0, 255)));
    EXPECT_TRUE(bandHasColour(shot, h, h, m + 2 * w, m + 4 * w, QColor(180, 0, 0)));  // 12: NumCol
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(0xD9, 0xE1, 0xFD));                     // MarCol
    EXPECT_EQ(shot.pixelColor(m + 20 * w, h + h / 2), QColor(0xF0, 0xF0, 0xF0));    // BackCol (not the caret's line)
    EXPECT_TRUE(bandHasColour(shot, 0, h, 0, m - 2, QColor(0x7F, 0x7F, 0x7F)));     // line number
    view->selectAll();
    const QImage selected = view->viewport()->grab().toImage();
    // Background under the selection in the selection colour; past the selection's end it stays.
    EXPECT_EQ(selected.pixelColor(m + 6 * w + w / 2, 1), view->palette().color(QPalette::Highlight));
    EXPECT_EQ(selected.pixelColor(m + 20 * w, h / 2), QColor(0xF0, 0xF0, 0xF0));
}

TEST_F(ViewFixture, AnotherViewShorteningALineKeepsTheCaretInside) {
    open("abcdef\nxyz");
    CEditorView other(doc, settings);
    view->setCaret({0, 6});
    doc->setActiveView(&other);
    doc->replaceLine(0, "ab", true);
    EXPECT_EQ(view->caret().pos, (TextPos{0, 2}));
    doc->deleteLine(1, true);
    view->setCaret({0, 2});
    EXPECT_EQ(view->caret().pos, (TextPos{0, 2}));
}

TEST_F(ViewFixture, FindDialogStartsWithTheSelectedWord) {
    open("x = Timer");
    view->setCaret({0, 9}, TextPos{0, 4});
    CFindDialog dialog([this] { return view.get(); });
    dialog.open(false);
    EXPECT_EQ(dialog.options().text, "Timer");
}

TEST_F(ViewFixture, CharacterCellsHaveTheSettingsWidth) {
    open("x");
    EXPECT_EQ(view->characterWidth(), 8);
    settings.fontHeight = 18;
    settings.fontWidth = 11;
    view->applySettings();
    EXPECT_EQ(view->characterWidth(), 11);
    EXPECT_GE(view->lineHeight(), 18);
}

namespace {

std::string numberedProgram(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) text += "\tPrint \"line " + std::to_string(i) + "\" ; a remark\n";
    return text;
}

}  // namespace

// Select all, Delete, Undo with the real keys: every byte comes back, and so does the saved state.
class LargeDeletion : public ViewFixture, public ::testing::WithParamInterface<int> {};

TEST_P(LargeDeletion, UndoRestoresEveryByte) {
    const std::string text = numberedProgram(GetParam());
    open(text.c_str());
    const Lines before = doc->allLines();
    key(Qt::Key_A, Qt::ControlModifier);
    view->selectAll();
    key(Qt::Key_Delete);
    EXPECT_EQ(doc->allLines(), (Lines{""}));
    view->undo();
    EXPECT_EQ(doc->allLines(), before);
    EXPECT_FALSE(doc->isModified());
    EXPECT_FALSE(doc->canUndo());
    view->redo();
    EXPECT_EQ(doc->allLines(), (Lines{""}));
    view->undo();
    EXPECT_EQ(doc->allLines(), before);
}

INSTANTIATE_TEST_SUITE_P(Lines, LargeDeletion, ::testing::Values(1500, 5000, 50000));

TEST_F(ViewFixture, ACharacterBeyondLatin1IsRefusedWithAReason) {
    open("ab");
    QSignalSpy said(view.get(), &CEditorView::statusMessage);
    key(Qt::Key_End);
    // e acute, euro, u umlaut, sun: sent as a keyboard layout sends them, one text per key
    for (const QString& character : {QString::fromUtf8("\xC3\xA9"), QString::fromUtf8("\xE2\x82\xAC"),
                                     QString::fromUtf8("\xC3\xBC"), QString::fromUtf8("\xE6\x97\xA5")}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(view.get(), &press);
    }
    EXPECT_EQ(doc->line(0), "ab\xE9\xFC");
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said[0][0].toString().contains(QString::fromUtf8("\xE2\x82\xAC")));
    EXPECT_TRUE(said[0][0].toString().contains(QStringLiteral("U+20AC")));
}

TEST_F(ViewFixture, PastingTextBeyondLatin1LeavesTheTextUnchanged) {
    open("xy");
    QSignalSpy said(view.get(), &CEditorView::statusMessage);
    QApplication::clipboard()->setText(QString::fromUtf8("a\xE2\x82\xAC\xE6\x97\xA5" "b"));
    view->paste();
    EXPECT_EQ(doc->line(0), "xy");
    EXPECT_FALSE(doc->canUndo());
    EXPECT_EQ(said.size(), 1);
    QApplication::clipboard()->setText(QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
    view->paste();
    EXPECT_EQ(doc->line(0), "\xE9t\xE9xy");
}
