// The main frame "ORBbasic": menus, toolbar, status bar and one child window
// per open document view.
#pragma once

#include "environment_state.h"
#include "text_file.h"

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPrinter>

#include <functional>
#include <memory>

class CEditorDoc;
class CEditorView;
class CFindDialog;
class FileWatch;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;

inline constexpr int recentFileCount = 4;

// A chosen file name without "." gets the document type's extension ".orb".
QString withDocumentExtension(const QString& path);

// A child window holding one view; closing the last view of a changed document asks to save it.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CEditorView* view, std::function<bool(CEditorDoc&)> canCloseDocument);
    CEditorView* view() const { return editor; }
    // Closes without asking: the document's question was answered already.
    void closeAnswered();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CEditorView* editor;
    std::function<bool(CEditorDoc&)> canCloseDocument;
    bool answered = false;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(Environment& environment);
    ~CMainFrame() override;

    CEditorView* activeView() const;
    QList<CChildFrame*> childFrames() const;
    // Opens a file in a new child window, or activates the one that shows it already.
    bool openFile(const QString& path);
    void newDocument();
    // The exit question; replaced in tests.
    std::function<bool()> confirmExit;
    // Asks "Save changes to %1?": Yes saves, No discards, Cancel keeps the document open.
    std::function<QMessageBox::StandardButton(const QString& title)> askToSave;
    // At exit, one question for every changed document: SaveAll, Discard (all) or Cancel.
    std::function<QMessageBox::StandardButton(const QStringList& titles)> askToSaveAll;
    // The file of a changed document was changed on disk too: Yes reloads it.
    std::function<bool(const QString& path)> askToReload;
    // Save over a file changed on disk since it was read: Yes writes.
    std::function<bool(const QString& path)> askToOverwrite;
    // A warning that needs no answer (a file opened read-only); replaced in tests.
    std::function<void(const QString& text)> warn;
    // Run while the program of the last Run has not ended yet: Yes stops it and starts the new run. Replaced in tests.
    std::function<bool()> askToRunAgain;
    // Go to Line asks for a line number between 1 and the count; 0 when cancelled. Replaced in tests.
    std::function<int(int current, int count)> askLineNumber;
    // A file of an open document changed on disk: reload it, or ask when it holds changes.
    void fileChangedOnDisk(const QString& path);

    // OK in the preferences: every view takes the settings and the settings file is rewritten.
    void applyPreferences(const Settings& settings);
    // The Compile command's save dialog for the package's name; replaced in tests.
    std::function<QString()> askOutputName;

    void run();
    void test();
    void compile();
    void lastError();
    void closeAllDocuments();
    // File Close: every view of the active document, after one save question.
    void closeActiveDocument();
    void bringToFront();
    // The menu command with this text, or null.
    QAction* action(const QString& text) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void createMenus();
    QAction* addCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut, std::function<void()> handler);
    CChildFrame* addView(std::shared_ptr<CEditorDoc> document);
    bool canCloseDocument(CEditorDoc& doc);
    bool save(CEditorDoc& doc);
    bool saveAs(CEditorDoc& doc, const QString& caption, const QString& filter);
    void saveAll();
    void build(BuildCommand mode);
    void showBuildOutcome(CEditorView& view, const BuildOutcome& outcome);
    // The error line of the error file, selected in the active editor; the status bar says what happened.
    void markErrorLine();
    // After Run: watches for the error file the runtime writes when the program ends.
    void watchRun();
    void goToLine();
    // The error dialog; Go to Line moves the caret of the active editor.
    void showErrorDialog();
    void showHelp(const QString& topic, int errorCode = 0);
    void showPreferences();
    void startTool(const QString& program, const QStringList& arguments);
    void updateCommands();
    void updateTitles();
    void updateWatchedFiles();
    void addRecentFile(const QString& path);
    void updateRecentFiles();
    void arrangeIcons();

    Environment& env;
    // The last build's hint and the error line it explains: shown while the error file still holds that line.
    std::string hintErrorLine;
    std::string hint;
    QMdiArea* mdi;
    CFindDialog* findDialog = nullptr;
    QLabel* caretPane;
    QLabel* capsPane;
    QLabel* numPane;
    QMenu* fileMenu;
    QAction* recentSeparator = nullptr;
    QList<QAction*> recentActions;
    QList<QAction*> editorCommands;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QPrinter printer;
    FileWatch* fileWatch;
    QTimer* runWatch;
    FileStamp errorFileAtRun;  // the error file when Run started the program
    bool exiting = false;
};
