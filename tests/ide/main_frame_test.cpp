#include "compile_dialog.h"
#include "editor_view.h"
#include "main_frame.h"

#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Remembers what it was asked to build and answers as told.
struct RecordingBuilds : BuildService {
    BuildOutcome build(const DocumentBuild& request) override {
        modes.push_back(request.mode);
        lines = request.lines;
        workFolder = request.workFolder;
        return outcome;
    }
    // Reports the given stages, asking for the output name where the real build does.
    BuildOutcome compilePackage(const DocumentBuild& request, CompileProgress& progress) override {
        lines = request.lines;
        for (const std::string& stage : stages) {
            if (stage == "?") outputName = progress.outputName();
            else progress.status(stage);
        }
        return outcome;
    }
    BuildOutcome outcome;
    std::vector<std::string> stages;
    std::string outputName;
    std::vector<BuildCommand> modes;
    std::vector<std::string> lines;
    std::string workFolder;
};

struct FrameFixture : ::testing::Test {
    FrameFixture() {
        folder = fs::temp_directory_path() /
                 ("orb_frame_" + std::to_string(::getpid()) + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        env.folders = folderLayout(folder.string(), folder.string());
        frame = std::make_unique<CMainFrame>(env);
        frame->askToSave = [this](const QString& title) {
            saveQuestions << title;
            return saveAnswer;
        };
        frame->show();
    }
    ~FrameFixture() override {
        frame.reset();
        fs::remove_all(folder);
    }
    std::string file(const char* name, const char* text) const {
        std::ofstream(folder / name, std::ios::binary) << text;
        return (folder / name).string();
    }

    fs::path folder;
    RecordingBuilds builds;
    Environment env{{}, {}, builds};
    std::unique_ptr<CMainFrame> frame;
    QStringList saveQuestions;
    QMessageBox::StandardButton saveAnswer = QMessageBox::No;
};

}  // namespace

TEST(SaveAllName, NameWithoutDotGetsTheDocumentExtension) {
    EXPECT_EQ(withDocumentExtension(QStringLiteral("/a/game")), QStringLiteral("/a/game.orb"));
    EXPECT_EQ(withDocumentExtension(QStringLiteral("/a.b/game")), QStringLiteral("/a.b/game.orb"));
    EXPECT_EQ(withDocumentExtension(QStringLiteral("/a/game.txt")), QStringLiteral("/a/game.txt"));
}

TEST_F(FrameFixture, MenusCarryTheirTextsAndShortcuts) {
    ASSERT_NE(frame->action(QStringLiteral("&Run\tF1")), nullptr);
    EXPECT_EQ(frame->action(QStringLiteral("&Run\tF1"))->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(frame->action(QStringLiteral("&Test\tF2"))->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(frame->action(QStringLiteral("&Last error\tF4"))->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(frame->action(QStringLiteral("Find &Next\tF3"))->shortcut(), QKeySequence(Qt::Key_F3));
    for (const char* text : {"&New...\tCtrl+N", "Save A&ll", "Print Pre&view", "Pre&ferences...", "&Redo\tCtrl+Y",
                             "&Clear\tDel", "R&eplace...\tCtrl+H", "View &Output", "&Variable Viewer", "&Compile...",
                             "Image Format &Converter", "Close A&ll", "&Arrange Icons", "&Quick Command Help\tF9"})
        EXPECT_NE(frame->action(QString::fromLatin1(text)), nullptr) << text;
    // The Tools commands follow what the current folder held at start-up.
    EXPECT_FALSE(frame->action(QStringLiteral("&Image Editor"))->isEnabled());
    EXPECT_FALSE(frame->action(QStringLiteral("&Map editor"))->isEnabled());
}

TEST_F(FrameFixture, AnsweringNoToTheExitQuestionKeepsEveryDocument) {
    frame->newDocument();
    frame->newDocument();
    frame->activeView()->document().insertChar(0, 0, 'x', true);
    frame->confirmExit = [] { return false; };
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(frame->childFrames().size(), 2);
    EXPECT_TRUE(saveQuestions.isEmpty());
}

TEST_F(FrameFixture, ExitAsksToSaveChangedDocuments) {
    frame->newDocument();
    frame->activeView()->document().insertChar(0, 0, 'x', true);
    frame->confirmExit = [] { return true; };
    saveAnswer = QMessageBox::Cancel;
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(saveQuestions, QStringList{QStringLiteral("Untitled")});
    saveAnswer = QMessageBox::No;
    EXPECT_TRUE(frame->close());
}

TEST_F(FrameFixture, OpeningAFileTwiceShowsTheSameWindow) {
    const std::string path = file("game.orb", "Print 1\r\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    EXPECT_EQ(frame->childFrames().size(), 1);
    EXPECT_EQ(frame->activeView()->document().line(0), "Print 1");
}

TEST_F(FrameFixture, OpeningAProjectMakesItsFolderCurrent) {
    const QString before = QDir::currentPath();
    const std::string path = file("game.PRJ", "x = 1\r\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    EXPECT_EQ(fs::path(QDir::currentPath().toStdString()), folder);
    QDir::setCurrent(before);
}

TEST_F(FrameFixture, NewWindowSharesTheDocument) {
    frame->newDocument();
    frame->action(QStringLiteral("&New Window"))->trigger();
    ASSERT_EQ(frame->childFrames().size(), 2);
    frame->childFrames()[0]->view()->document().insertChar(0, 0, 'q', true);
    EXPECT_EQ(frame->childFrames()[1]->view()->document().line(0), "q");
    // Closing one of two views does not ask.
    frame->childFrames()[0]->close();
    EXPECT_TRUE(saveQuestions.isEmpty());
}

TEST_F(FrameFixture, TestHandsTheDocumentToTheBuildAndMovesToTheErrorLine) {
    frame->newDocument();
    CEditorView* view = frame->activeView();
    QTest::keyClicks(view, QStringLiteral("x = 1"));
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClicks(view, QStringLiteral("Prnt x"));
    builds.outcome.lastErrorLine = 1;
    frame->test();
    EXPECT_EQ(builds.modes, std::vector<BuildCommand>{BuildCommand::Test});
    EXPECT_EQ(builds.lines, (std::vector<std::string>{"x = 1", "Prnt x"}));
    EXPECT_EQ(builds.workFolder, folder.string());
    EXPECT_EQ(view->caret().pos, (TextPos{0, 0}));
    builds.outcome.lastErrorLine = 0;
    frame->run();
    EXPECT_EQ(builds.modes, (std::vector<BuildCommand>{BuildCommand::Test, BuildCommand::Run}));
}

// Reads the Compile dialog's fields once the build has ended (Close becomes
// enabled), then presses Close.
struct CompileDialogReading {
    QString title;
    QStringList results;
    int progress = -1;
};

CompileDialogReading readAndCloseCompileDialog(CMainFrame& frame) {
    CompileDialogReading reading;
    std::function<void()> readWhenDone = [&] {
        auto* dialog = frame.findChild<CompileDialog*>();
        QPushButton* close = nullptr;
        if (dialog)
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Close")) close = button;
        if (!close || !close->isEnabled()) {
            QTimer::singleShot(1, readWhenDone);
            return;
        }
        reading.title = dialog->windowTitle();
        for (int row = 0; row < 3; ++row) reading.results << dialog->result(row);
        reading.progress = dialog->progress();
        close->click();
    };
    QTimer::singleShot(0, readWhenDone);
    frame.compile();
    return reading;
}

TEST_F(FrameFixture, CompileShowsEachStageAndAsksForTheOutputName) {
    frame->newDocument();
    QTest::keyClicks(frame->activeView(), QStringLiteral("Print 1"));
    frame->askOutputName = [] { return QStringLiteral("/tmp/game"); };
    builds.stages = {"Pass 1 ..... Ok", "Pass 2 ..... Ok", "Pass 3 ..... Ok", "?", "Operation Complete"};
    const CompileDialogReading reading = readAndCloseCompileDialog(*frame);
    EXPECT_EQ(builds.lines, std::vector<std::string>{"Print 1"});
    EXPECT_EQ(builds.outputName, "/tmp/game");
    EXPECT_EQ(reading.title, QStringLiteral("Compile"));
    EXPECT_EQ(reading.results, (QStringList{QStringLiteral("Pass 1 ..... Ok"), QStringLiteral("Pass 2 ..... Ok"),
                                            QStringLiteral("Operation Complete")}));
    EXPECT_EQ(reading.progress, 4);
}

TEST_F(FrameFixture, CompileStopsTheBarAtTheFailedPass) {
    frame->newDocument();
    builds.stages = {"Pass 1 ..... Ok", "Pass 2 ..... Fail"};
    builds.outcome.lastErrorLine = 0;
    const CompileDialogReading reading = readAndCloseCompileDialog(*frame);
    EXPECT_EQ(reading.results, (QStringList{QStringLiteral("Pass 1 ..... Ok"), QStringLiteral("Pass 2 ..... Fail"), {}}));
    EXPECT_EQ(reading.progress, 1);
    EXPECT_TRUE(builds.outputName.empty());
}

TEST_F(FrameFixture, PreferencesApplyToEveryViewAndRewriteTheFile) {
    frame->newDocument();
    frame->newDocument();
    Settings changed;
    changed.fontHeight = 18;
    changed.fontWidth = 11;
    changed.keyCol = 255;
    frame->applyPreferences(changed);
    EXPECT_EQ(env.settings, changed);
    for (CChildFrame* child : frame->childFrames()) EXPECT_GT(child->view()->lineHeight(), 13);
    std::ifstream in(folder / "orbbasic.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), formatSettings(changed));
}

TEST_F(FrameFixture, CloseAllClosesEveryDocument) {
    frame->newDocument();
    frame->newDocument();
    frame->action(QStringLiteral("Close A&ll"))->trigger();
    EXPECT_TRUE(frame->childFrames().isEmpty());
    EXPECT_EQ(frame->activeView(), nullptr);
}

TEST_F(FrameFixture, CloseTakesEveryViewOfTheDocumentAfterOneQuestion) {
    frame->newDocument();
    frame->newDocument();
    frame->activeView()->document().insertChar(0, 0, 'x', true);
    frame->action(QStringLiteral("&New Window"))->trigger();
    ASSERT_EQ(frame->childFrames().size(), 3);
    saveAnswer = QMessageBox::Cancel;
    frame->action(QStringLiteral("&Close"))->trigger();
    EXPECT_EQ(frame->childFrames().size(), 3);
    saveAnswer = QMessageBox::No;
    frame->action(QStringLiteral("&Close"))->trigger();
    EXPECT_EQ(frame->childFrames().size(), 1);
    EXPECT_EQ(saveQuestions.size(), 2);
}

TEST_F(FrameFixture, WindowMenuListsTheOpenWindows) {
    frame->newDocument();
    const std::string path = file("game.orb", "Print 1\r\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
    QMenu* window = frame->action(QStringLiteral("&Cascade"))->associatedObjects().isEmpty()
                        ? nullptr
                        : qobject_cast<QMenu*>(frame->action(QStringLiteral("&Cascade"))->associatedObjects().first());
    ASSERT_NE(window, nullptr);
    for (int round = 0; round < 2; ++round) {
        emit window->aboutToShow();
        QStringList entries;
        for (QAction* entry : window->actions())
            if (entry->text().startsWith(QLatin1Char('&')) && entry->text().at(1).isDigit()) entries << entry->text();
        EXPECT_EQ(entries, (QStringList{QStringLiteral("&1 Untitled"), QStringLiteral("&2 game.orb")}));
    }
}
