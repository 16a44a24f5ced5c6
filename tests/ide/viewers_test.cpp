#include "error_viewers.h"
#include "help_viewer.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Folder {
    Folder() {
        path = fs::temp_directory_path() /
               ("orb_viewers_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
    std::string file(const char* name, const std::string& text) const {
        const fs::path at = path / name;
        std::ofstream(at, std::ios::binary) << text;
        return at.string();
    }
    std::string missing(const char* name) const { return (path / name).string(); }
    fs::path path;
};

}  // namespace

TEST(ErrorDialog, RuntimeErrorLine) {
    Folder folder;
    int explained = -1;
    showerror dialog(folder.file("orberr.tmp", "12.96Divide by zero|Line 12: [360-640]\r\nx=1\r\n"),
                     [&](int code) { explained = code; });
    EXPECT_EQ(dialog.report().message, "Divide by zero");
    EXPECT_EQ(dialog.lineField(), QStringLiteral("Line 12"));
    EXPECT_EQ(dialog.detailField(), QStringLiteral(" "));
    EXPECT_TRUE(dialog.canGoToLine());
    EXPECT_EQ(dialog.report().line, 12);
}

TEST(ErrorDialog, CodeZeroDisablesGoToLine) {
    Folder folder;
    showerror dialog(folder.file("orberr.tmp", "3.0No errors|Total Lines 3"), nullptr);
    EXPECT_FALSE(dialog.canGoToLine());
    EXPECT_EQ(dialog.lineField(), QStringLiteral("Total Lines 3"));
}

TEST(ErrorDialog, MissingFile) {
    Folder folder;
    showerror dialog(folder.missing("orberr.tmp"), nullptr);
    EXPECT_FALSE(dialog.found());
    EXPECT_FALSE(dialog.canGoToLine());
    EXPECT_EQ(dialog.lineField(), QStringLiteral("Error"));
    EXPECT_EQ(dialog.detailField(), QStringLiteral("Previous Error Not Found"));
}

TEST(ErrorDialog, CompileErrorWithBellCharacter) {
    Folder folder;
    showerror dialog(folder.file("orberr.tmp", "5.52Missing \x07|Line 5:  a(1"), nullptr);
    EXPECT_EQ(dialog.report().message, "Missing [");
    EXPECT_EQ(dialog.detailField(), QStringLiteral("  a(1"));
}

TEST(ErrorDialog, ShowsTheHintItIsGiven) {
    Folder folder;
    const std::string file = folder.file("orberr.tmp", "2.2Syntax Error at end of instruction|Line 2:  Next i");
    showerror plain(file, nullptr);
    EXPECT_TRUE(plain.findChildren<QLabel*>().isEmpty());
    showerror hinted(file, nullptr, nullptr, QStringLiteral("Next takes no name"));
    EXPECT_EQ(hinted.hintText(), QStringLiteral("Next takes no name"));
    const QList<QLabel*> labels = hinted.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front()->text(), QStringLiteral("Hint: Next takes no name"));
}

TEST(OutputViewer, ScreenSizeFromTheErrorLineSizesTheDialog) {
    Folder folder;
    QImage shot(640, 360, QImage::Format_RGB32);
    shot.fill(Qt::blue);
    const std::string bmp = (folder.path / "orbdump.bmp").string();
    ASSERT_TRUE(shot.save(QString::fromStdString(bmp), "BMP"));
    viewoutput dialog(folder.file("orberr.tmp", "9.110End of program|Line 9: [640-360]\r\n"), bmp);
    EXPECT_TRUE(dialog.showsPicture());
    EXPECT_EQ(dialog.size(), QSize(655, 400));
}

TEST(OutputViewer, BitmapSizeWhenTheLineHasNone) {
    Folder folder;
    QImage shot(100, 50, QImage::Format_RGB32);
    shot.fill(Qt::red);
    const std::string bmp = (folder.path / "orbdump.bmp").string();
    ASSERT_TRUE(shot.save(QString::fromStdString(bmp), "BMP"));
    viewoutput dialog(folder.missing("orberr.tmp"), bmp);
    EXPECT_EQ(dialog.size(), QSize(115, 90));
}

TEST(OutputViewer, NothingToViewWithoutAScreenshot) {
    Folder folder;
    viewoutput dialog(folder.file("orberr.tmp", "7.0Program closed|Line 007: [360-640]"), folder.missing("orbdump.bmp"));
    EXPECT_FALSE(dialog.showsPicture());
}

TEST(VariableViewerDialog, LookUpAndViewAll) {
    Folder folder;
    variableviewer dialog(folder.file("orberr.tmp", "7.0Program closed|Line 007: [360-640]\r\nScore=12\r\nname$=\"Ann\"\r\n"),
                          nullptr);
    dialog.nameField()->setText(QStringLiteral("score"));
    dialog.lookUp();
    dialog.nameField()->setText(QStringLiteral("lives"));
    dialog.lookUp();
    EXPECT_EQ(dialog.rows(), (QStringList{QStringLiteral("lives Not Found"), QStringLiteral("Score=12")}));
    EXPECT_EQ(dialog.nameField()->selectedText(), QStringLiteral("lives"));
    dialog.viewAll();
    EXPECT_EQ(dialog.rows(), (QStringList{QStringLiteral("Score=12"), QStringLiteral("name$=\"Ann\"")}));
}

TEST(VariableViewerDialog, MissingFileSaysRunFirst) {
    Folder folder;
    variableviewer dialog(folder.missing("orberr.tmp"), nullptr);
    EXPECT_EQ(dialog.rows(),
              (QStringList{QStringLiteral("No variables found."), QStringLiteral("Program must be run first...")}));
}

namespace {

std::string helpText() {
    std::string text = "_index\nWelcome\n_userguide\nGuide@pPage two\n_ErrorMessages\nNone";
    for (int code = 1; code <= 14; ++code) text += "@p\nError " + std::to_string(code) + " text\n";
    text += "_variableviewer\nViewer help\n_---COMMANDS---\n_Print\nPrints.@9Print \"x\"\nPrint 1@0\n_Sprite\nA@pB@pC\n";
    return text;
}

}  // namespace

TEST(HelpViewer, OpensOnATopicWithItsList) {
    Folder folder;
    thehelp help(folder.file("orbbasichelp.txt", helpText()), "", QStringLiteral("PRINT"));
    EXPECT_EQ(help.browser().file.entries[static_cast<size_t>(help.browser().current)].title, "Print");
    EXPECT_EQ(help.browser().list, HelpSection::Commands);
    EXPECT_EQ(help.listRows(), (QStringList{QStringLiteral("Print"), QStringLiteral("Sprite")}));
    help.copyCode();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Print \"x\" Print 1"));
}

TEST(HelpViewer, ExplainOpensTheErrorPage) {
    Folder folder;
    thehelp help(folder.file("orbbasichelp.txt", helpText()), "", QStringLiteral("errormessages"), 12);
    EXPECT_EQ(help.browser().page, 12);
    EXPECT_EQ(help.browser().list, HelpSection::Errors);
    EXPECT_EQ(help.listRows().at(12), QStringLiteral("12 text"));
}

TEST(HelpViewer, PageButtonsFollowThePage) {
    Folder folder;
    thehelp help(folder.file("orbbasichelp.txt", helpText()), "", QStringLiteral("sprite"));
    EXPECT_EQ(help.browser().pages(), 3);
    EXPECT_FALSE(help.previousEnabled());
    EXPECT_TRUE(help.nextEnabled());
    help.nextPage();
    help.nextPage();
    EXPECT_EQ(help.browser().page, 2);
    EXPECT_FALSE(help.nextEnabled());
    EXPECT_TRUE(help.previousEnabled());
    EXPECT_FALSE(help.grab().isNull());
}

TEST(HelpViewer, GeneralListAndUnknownTopic) {
    Folder folder;
    thehelp help(folder.file("orbbasichelp.txt", helpText()), "", QStringLiteral("index"));
    EXPECT_EQ(help.browser().current, -1);
    EXPECT_EQ(help.listRows(), (QStringList{QStringLiteral("index"), QStringLiteral("userguide"),
                                            QStringLiteral("ErrorMessages"), QStringLiteral("variableviewer")}));
    QStringList reports;
    help.reportError = [&](const QString& text) { reports << text; };
    help.search(QStringLiteral("Nothing"));
    EXPECT_EQ(reports, QStringList{QStringLiteral("Command \"Nothing\" not found")});
}

TEST(HelpViewer, MissingHelpFileDoesNothing) {
    Folder folder;
    thehelp help(folder.missing("orbbasichelp.txt"), "", QStringLiteral("Print"));
    EXPECT_FALSE(help.browser().loaded);
    EXPECT_TRUE(help.listRows().isEmpty());
    help.nextPage();
    EXPECT_FALSE(help.nextEnabled());
    EXPECT_FALSE(help.grab().isNull());
}
