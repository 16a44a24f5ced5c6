// The editor's conveniences and the viewers, through the real widgets on the
// offscreen platform: what a user sees after a key, a wheel turn or a search.
#include "current_line.h"
#include "editor_font.h"
#include "editor_view.h"
#include "editor_view_fixture.h"
#include "error_viewers.h"
#include "help_page.h"
#include "help_viewer.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct EditorFixture : EditorViewFixture {
    QImage shot() const { return view->viewport()->grab().toImage(); }
    // Pixels of a cell range on a line whose blue stands well above red and green: keyword ink.
    int keywordInk(const QImage& image, int line, int fromColumn, int toColumn) const {
        const int m = view->marginWidth();
        const int w = view->characterWidth();
        const int h = view->lineHeight();
        int count = 0;
        for (int y = line * h; y < (line + 1) * h; ++y)
            for (int x = m + fromColumn * w; x < m + toColumn * w; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.blue() - c.red() > 60 && c.blue() - c.green() > 60) ++count;
            }
        return count;
    }
    QColor cellCentre(const QImage& image, int line, int column) const {
        return image.pixelColor(view->marginWidth() + column * view->characterWidth() + 1,
                                line * view->lineHeight() + 1);
    }
};

}  // namespace

// ---- syntax colours ----

TEST_F(EditorFixture, KeywordThatEndsTheLineIsColouredAsSoonAsItIsTyped) {
    open("");
    type("a$ = Inkey$");
    EXPECT_GT(keywordInk(shot(), 0, 5, 11), 0);
    key(Qt::Key_Return);
    type("ExitLoop");
    EXPECT_GT(keywordInk(shot(), 1, 0, 8), 0);
}

TEST_F(EditorFixture, SelectedTextIsDrawnInTheSelectionColours) {
    open("Print x\nx = 1\n");
    view->setCaret({0, 5}, TextPos{0, 0});
    const QImage image = shot();
    EXPECT_EQ(cellCentre(image, 0, 2), view->palette().color(QPalette::Highlight));
    EXPECT_EQ(keywordInk(image, 0, 0, 5), 0);  // no longer blue on a dark inverted band
    bool textInk = false;
    const QColor ink = view->palette().color(QPalette::HighlightedText);
    for (int y = 0; y < view->lineHeight(); ++y)
        for (int x = view->marginWidth(); x < view->marginWidth() + 5 * view->characterWidth(); ++x)
            if (image.pixelColor(x, y) == ink) textInk = true;
    EXPECT_TRUE(textInk);
}

// ---- the caret's line ----

TEST_F(EditorFixture, CaretLineHasItsOwnBackground) {
    open("a = 1\nb = 2\n");
    view->setCaret({1, 0});
    const QImage image = shot();
    const int right = view->marginWidth() + 30 * view->characterWidth();
    EXPECT_EQ(image.pixelColor(right, view->lineHeight() + 2),
              colourFromSetting(currentLineBackground(settings.backgroundColour)));
    EXPECT_EQ(image.pixelColor(right, 2), colourFromSetting(settings.backgroundColour));
}

TEST_F(EditorFixture, BracketsBesideTheCaretAreMarked) {
    open("x = Max(a, 2)\n");
    view->setCaret({0, 13});  // after ")"
    const QImage matched = shot();
    const QColor open = cellCentre(matched, 0, 7);
    const QColor close = cellCentre(matched, 0, 12);
    const QColor line = cellCentre(matched, 0, 20);
    EXPECT_NE(open, line);
    EXPECT_EQ(open, close);
    view->setCaret({0, 2});
    EXPECT_EQ(cellCentre(shot(), 0, 7), cellCentre(shot(), 0, 20));  // no bracket beside the caret: no mark
}

// ---- zoom ----

TEST_F(EditorFixture, CtrlPlusMinusAndZeroZoomTheFont) {
    open("Print 1\n");
    const int width = view->characterWidth();
    const int height = view->lineHeight();
    QSignalSpy notes(view.get(), &CEditorView::statusMessage);
    key(Qt::Key_Plus, Qt::ControlModifier);
    key(Qt::Key_Equal, Qt::ControlModifier);  // Ctrl+= is Ctrl++ without Shift
    EXPECT_EQ(view->zoomSteps(), 2);
    EXPECT_GT(view->characterWidth(), width);
    EXPECT_GT(view->lineHeight(), height);
    EXPECT_FALSE(notes.isEmpty());
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(view->zoomSteps(), 1);
    key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(view->zoomSteps(), 0);
    EXPECT_EQ(view->characterWidth(), width);
    EXPECT_EQ(doc->line(0), "Print 1");  // zoom keys type nothing
}

TEST_F(EditorFixture, CtrlWheelZoomsAndThePlainWheelScrolls) {
    std::string text;
    for (int i = 0; i < 200; ++i) text += "Print 1\n";
    open(text.c_str());
    const QPoint at(100, 50);
    QWheelEvent zoomIn(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                       Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &zoomIn);
    EXPECT_EQ(view->zoomSteps(), 1);
    EXPECT_EQ(view->verticalScrollBar()->value(), 0);
    QWheelEvent scroll(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &scroll);
    EXPECT_EQ(view->zoomSteps(), 1);
    EXPECT_GT(view->verticalScrollBar()->value(), 0);
}

// ---- remarks and completion ----

TEST_F(EditorFixture, CtrlSlashCommentsAndUncommentsTheSelection) {
    open("Print 1\nPrint 2\nPrint 3\n");
    view->setCaret({1, 3}, TextPos{0, 0});
    key(Qt::Key_Slash, Qt::ControlModifier);
    EXPECT_EQ(doc->line(0), "; Print 1");
    EXPECT_EQ(doc->line(1), "; Print 2");
    EXPECT_EQ(doc->line(2), "Print 3");
    key(Qt::Key_Slash, Qt::ControlModifier);
    EXPECT_EQ(doc->line(0), "Print 1");
    EXPECT_EQ(doc->line(1), "Print 2");
    view->undo();
    EXPECT_EQ(doc->line(0), "; Print 1");
}

TEST_F(EditorFixture, CtrlSpaceListsKeywordsAndEnterTakesOne) {
    open("x = \n");
    view->setCaret({0, 4});
    type("circ");
    QSignalSpy notes(view.get(), &CEditorView::statusMessage);
    key(Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(view->completionShown());
    ASSERT_FALSE(view->completionWords().isEmpty());
    EXPECT_EQ(view->completionWords().front(), QStringLiteral("Circle"));
    ASSERT_FALSE(notes.isEmpty());
    EXPECT_EQ(notes.last().at(0).toString(), QStringLiteral("Circle integer, integer, float"));
    type("LEF");  // nothing starts with "circLEF": the list closes
    EXPECT_FALSE(view->completionShown());
    for (int i = 0; i < 3; ++i) key(Qt::Key_Backspace);
    key(Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(view->completionShown());
    key(Qt::Key_Return);
    EXPECT_EQ(doc->line(0), "x = Circle");
    EXPECT_EQ(view->caret().pos, (TextPos{0, 10}));
    EXPECT_FALSE(view->completionShown());
}

TEST_F(EditorFixture, OpeningABuiltinsArgumentsShowsItsSignature) {
    open("\n");
    type("a$ = Left$");
    QSignalSpy notes(view.get(), &CEditorView::statusMessage);
    type("(");
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes.last().at(0).toString(), QStringLiteral("Left$(string, integer) gives string"));
    type("b$, 2)");
    EXPECT_EQ(notes.size(), 1);  // other characters leave the status bar alone
}

TEST_F(EditorFixture, CompletionNarrowsWhileTypingAndEscapeCloses) {
    open("\n");
    type("ink");
    key(Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(view->completionShown());
    const qsizetype before = view->completionWords().size();
    type("e");
    EXPECT_LE(view->completionWords().size(), before);
    EXPECT_TRUE(view->completionWords().contains(QStringLiteral("Inkey$")));
    key(Qt::Key_Escape);
    EXPECT_FALSE(view->completionShown());
    EXPECT_EQ(doc->line(0), "inke");
}

// ---- viewers ----

namespace {

struct Folder {
    Folder() {
        path = fs::temp_directory_path() / ("orb_conveniences_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(path);
        QSettings().remove(QLatin1String(helpWindowSizeKey));
    }
    ~Folder() { fs::remove_all(path); }
    std::string file(const char* name, const std::string& text) const {
        std::ofstream(path / name, std::ios::binary) << text;
        return (path / name).string();
    }
    std::string missing(const char* name) const { return (path / name).string(); }
    fs::path path;
};

std::string helpText() {
    std::string text = "_index\nThe index\n_userguide\nGuide\n_ErrorMessages\nNone@p\nError 1 text\n_variableviewer\nV\n";
    text += "_---COMMANDS---\n_Box\nB\n_Circle\nError 12: x\n_Long\n";
    for (int row = 0; row < 60; ++row) text += "row " + std::to_string(row) + "\n";
    return text;
}

std::string currentTitle(const thehelp& help) {
    return help.browser().file.entries[static_cast<size_t>(help.browser().current)].title;
}

}  // namespace

TEST(HelpViewerWindow, PageTextIsDrawnInAFixedPitchFontOnTheEightPixelGrid) {
    Folder folder;
    thehelp help(folder.file("orbbasichelp.txt", helpText()), "", QStringLiteral("circle"));
    const QFont font = help.pageArea().font();
    EXPECT_TRUE(QFontInfo(font).fixedPitch());
    const QFontMetrics metrics(font);
    // Every character one 8-pixel column: "Error 12: x" is eleven columns.
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("Error 12: x")), 88);
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")), metrics.horizontalAdvance(QStringLiteral("MMMM")));
}

TEST(HelpViewerWindow, ResizesAndRemembersItsSize) {
    Folder folder;
    {
        thehelp help(folder.file("orbbasichelp.txt", helpText()), "", QStringLiteral("index"));
        EXPECT_EQ(help.size(), QSize(800, 560));
        EXPECT_LT(help.minimumWidth(), 800);
        help.show();
        help.resize(700, 500);  // the offscreen screen is 800 by 600
        const QListWidget* list = help.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->height(), 500 - 180);
        EXPECT_EQ(help.pageScroller().width(), 700 - HelpPage::left - 2);
        help.accept();
    }
    thehelp again(folder.file("orbbasichelp.txt", helpText()), "", QStringLiteral("index"));
    EXPECT_EQ(again.size(), QSize(700, 500));
}

TEST(HelpViewerWindow, APageTallerThanTheWindowScrolls) {
    Folder folder;
    thehelp help(folder.file("orbbasichelp.txt", helpText()), "", QStringLiteral("long"));
    help.show();
    EXPECT_EQ(currentTitle(help), "Long");
    // Sixty rows of 16 pixels from y = 65 do not fit in 560 pixels.
    EXPECT_GE(help.pageArea().height(), 65 + 60 * 16);
    EXPECT_GT(help.pageScroller().verticalScrollBar()->maximum(), 0);
    help.search(QStringLiteral("box"));
    EXPECT_EQ(help.pageScroller().verticalScrollBar()->maximum(), 0);  // a short page fits again
}

TEST(HelpViewerWindow, SearchFieldFindsByPrefixWhileTyping) {
    Folder folder;
    thehelp help(folder.file("orbbasichelp.txt", helpText()), "", QStringLiteral("index"));
    help.show();
    QLineEdit* field = help.findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    QStringList reports;
    help.reportError = [&](const QString& text) { reports << text; };
    QTest::keyClicks(field, QStringLiteral("circ"));
    EXPECT_EQ(currentTitle(help), "Circle");
    EXPECT_EQ(help.browser().list, HelpSection::Commands);
    QTest::keyClicks(field, QStringLiteral("xyz"));
    EXPECT_EQ(currentTitle(help), "Circle");  // nothing starts so: the page stays, a note says why
    EXPECT_FALSE(help.note().isEmpty());
    EXPECT_TRUE(reports.isEmpty());
}

TEST(HelpViewerWindow, QuickHelpOnAWordWithoutAnEntryOpensTheIndex) {
    Folder folder;
    int reports = 0;
    thehelp help(folder.file("orbbasichelp.txt", helpText()), "", QStringLiteral("playerScore"));
    help.reportError = [&](const QString&) { ++reports; };
    QApplication::processEvents();
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(currentTitle(help), "index");
    EXPECT_TRUE(help.note().contains(QStringLiteral("playerScore")));
}

TEST(OutputViewerWindow, BeforeAnyRunSaysThereIsNoOutputYet) {
    Folder folder;
    viewoutput dialog(folder.missing("orberr.tmp"), folder.missing("orbdump.bmp"));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Output"));
    EXPECT_GE(dialog.width(), 380);
    EXPECT_GE(dialog.height(), 160);
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Nothing to view...")));
    EXPECT_TRUE(texts.join(QLatin1Char(' ')).contains(QStringLiteral("no output yet")));
}

TEST(VariableViewerWindow, SaysWhenTheLastRunLeftNoVariables) {
    Folder folder;
    variableviewer dialog(folder.file("orberr.tmp", "4.8Syntax error|Line 4: Print (\r\n"), nullptr);
    const QStringList nothing{QStringLiteral("No variables found."), QStringLiteral("The last run left no variables to show.")};
    EXPECT_EQ(dialog.rows(), nothing);
    dialog.viewAll();
    EXPECT_EQ(dialog.rows(), nothing);
}
