#include "main_frame.h"

#include "compile_dialog.h"
#include "editor_font.h"
#include "editor_view.h"
#include "edit_commands.h"
#include "error_viewers.h"
#include "file_watch.h"
#include "find_dialog.h"
#include "help_viewer.h"
#include "lock_keys.h"
#include "preferences.h"
#include "print_document.h"
#include "orb_version.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace {

const QString mainTitle = QStringLiteral("ORBbasic");
const QString untitledName = QStringLiteral("Untitled");
const QString openFilter = QStringLiteral("ORB Basic files (*.orb);;All files (*.*)");
const QString saveFilter = QStringLiteral("ORB Basic Source Code Files (*.orb)");
const QString saveAllFilter = QStringLiteral("ORB Basic Source File (*.ORB)");
const QString recentKey = QStringLiteral("Recent File List");
const QString statusBarKey = QStringLiteral("Settings Status Bar");

QString documentTitle(const CEditorDoc& doc) {
    return doc.path().empty() ? untitledName : QFileInfo(QString::fromLocal8Bit(doc.path().c_str())).fileName();
}

QString localPath(const std::string& path) { return QString::fromLocal8Bit(path.c_str()); }

// The child window's title: the whole path, so that files of the same name are told apart.
QString documentPathTitle(const CEditorDoc& doc) {
    return doc.path().empty() ? untitledName : QDir::toNativeSeparators(localPath(doc.path()));
}

QString readOnlyWarning(const CEditorDoc& doc, const QString& path) {
    if (doc.readOnlyReason() == CEditorDoc::ReadOnly::Binary)
        return QObject::tr("%1 holds NUL bytes: it is not program text. It is opened read-only, so that it cannot be "
                           "damaged by a save.")
            .arg(path);
    return QObject::tr("%1 holds characters that Latin-1 cannot hold; program text is Latin-1 only. It is opened "
                       "read-only, so that they cannot be lost by a save.")
        .arg(path);
}

}  // namespace

QString withDocumentExtension(const QString& path) {
    // The extension of the document type, so that the Open dialog's filter shows the file.
    return QFileInfo(path).fileName().contains(QLatin1Char('.')) ? path : path + QStringLiteral(".orb");
}

// ---- child frame ----

CChildFrame::CChildFrame(CEditorView* view, std::function<bool(CEditorDoc&)> canCloseDocument)
    : editor(view), canCloseDocument(std::move(canCloseDocument)) {
    setWidget(view);
    setAttribute(Qt::WA_DeleteOnClose);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    // Other views keep the document alive; only the last one asks.
    if (!answered && editor->sharedDocument().use_count() <= 2 && !canCloseDocument(editor->document())) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::closeAnswered() {
    answered = true;
    close();
}

// ---- main frame ----

CMainFrame::CMainFrame(Environment& environment) : env(environment) {
    setWindowTitle(mainTitle);
    setObjectName(QStringLiteral("vxbasicAppClass"));
    mdi = new QMdiArea;
    mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi);
    setAcceptDrops(true);

    confirmExit = [this] {
        return QMessageBox::warning(this, tr("Warning"), tr("Really Exit ORB Basic?"), QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };
    askToSave = [this](const QString& title) {
        return QMessageBox::question(this, mainTitle, tr("Save changes to %1?").arg(title),
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    };
    askToSaveAll = [this](const QStringList& titles) {
        QMessageBox box(QMessageBox::Question, mainTitle,
                        tr("Save changes to these documents?\n\n%1").arg(titles.join(QLatin1Char('\n'))),
                        QMessageBox::SaveAll | QMessageBox::Discard | QMessageBox::Cancel, this);
        box.button(QMessageBox::Discard)->setText(tr("Discard All"));
        box.setDefaultButton(QMessageBox::SaveAll);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
    askToReload = [this](const QString& path) {
        return QMessageBox::question(this, mainTitle,
                                     tr("%1 was changed on disk by another program.\nReload it and lose the changes "
                                        "made here?")
                                         .arg(path),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    };
    askToOverwrite = [this](const QString& path) {
        return QMessageBox::warning(this, mainTitle,
                                    tr("%1 was changed on disk since it was opened here.\nSave over it?").arg(path),
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    };
    warn = [this](const QString& text) { QMessageBox::warning(this, tr("Warning"), text); };
    fileWatch = new FileWatch(this);
    connect(fileWatch, &FileWatch::fileChanged, this, &CMainFrame::fileChangedOnDisk);
    // The program's own name as the default; the save dialog asks before an existing file is replaced.
    askOutputName = [this] {
        CEditorView* view = activeView();
        const QString source = view && !view->document().path().empty() ? localPath(view->document().path()) : QString();
        const QString name = source.isEmpty() ? QString() : QFileInfo(source).absolutePath() + QLatin1Char('/') +
                                                                QFileInfo(source).completeBaseName() + QStringLiteral(".jar");
        return QFileDialog::getSaveFileName(this, tr("Select Output File Name"), name,
                                            tr("Jar files (*.jar);;All files (*.*)"));
    };
    askToRunAgain = [this] {
        return QMessageBox::question(this, mainTitle,
                                     tr("The program of the last Run has not ended yet, and a second one would share "
                                        "its work folder.\nStop it and start the new run?"),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    };
    askLineNumber = [this](int current, int count) {
        bool ok = false;
        const int line = QInputDialog::getInt(this, tr("Go to Line"), tr("Line number (1 - %1):").arg(count), current, 1,
                                              count, 1, &ok);
        return ok ? line : 0;
    };

    findDialog = new CFindDialog([this] { return activeView(); }, this);
    findDialog->note = [this](const QString& text) { statusBar()->showMessage(text, 8000); };
    runWatch = new QTimer(this);
    runWatch->setInterval(500);
    connect(runWatch, &QTimer::timeout, this, [this] {
        if (stampOf(env.folders.errorFile) == errorFileAtRun) return;
        runWatch->stop();
        markErrorLine();
    });

    statusBar()->showMessage(tr("Press F9 for help"));
    caretPane = new QLabel;
    caretPane->setFixedWidth(120);
    capsPane = new QLabel;
    numPane = new QLabel;
    for (QLabel* pane : {caretPane, capsPane, numPane}) {
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(pane);
    }
    capsPane->setMinimumWidth(40);
    numPane->setMinimumWidth(40);
    startTimer(250);

    createMenus();
    connect(mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
        CEditorView* view = activeView();
        if (view) {
            view->document().setActiveView(view);
            const Caret& caret = view->caret();
            caretPane->setText(tr("Ln %1, Col %2").arg(caret.pos.line + 1).arg(caret.pos.column + 1));
        } else {
            caretPane->clear();
        }
        updateCommands();
    });
    QSettings state;
    restoreState(state.value(QStringLiteral("Settings")).toByteArray());
    updateRecentFiles();
    updateCommands();
    resize(900, 680);
}

CMainFrame::~CMainFrame() {
    // The child windows go first, while the commands they update still exist.
    mdi->disconnect(this);
    // Closed windows waiting for deletion are children too.
    for (CChildFrame* frame : mdi->findChildren<CChildFrame*>()) {
        frame->disconnect(this);
        frame->view()->disconnect(this);
        frame->view()->document().onModifiedChanged = nullptr;
    }
    delete mdi;
}

QAction* CMainFrame::addCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut,
                                std::function<void()> handler) {
    QAction* command = menu->addAction(text);
    if (!shortcut.isEmpty()) {
        command->setShortcut(shortcut);
        command->setShortcutContext(Qt::ApplicationShortcut);
    }
    connect(command, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return command;
}

QAction* CMainFrame::action(const QString& text) const {
    // Only the menu bar's commands: child windows have system menus with the same texts.
    for (QAction* menu : menuBar()->actions())
        if (menu->menu())
            for (QAction* candidate : menu->menu()->actions())
                if (candidate->text() == text) return candidate;
    return nullptr;
}

void CMainFrame::createMenus() {
    auto withView = [this](std::function<void(CEditorView&)> handler) {
        return [this, handler = std::move(handler)] {
            if (CEditorView* view = activeView()) handler(*view);
        };
    };
    QToolBar* toolbar = addToolBar(tr("Toolbar"));
    toolbar->setObjectName(QStringLiteral("Toolbar"));
    toolbar->setIconSize(QSize(16, 16));
    auto onToolbar = [&](QAction* command, QStyle::StandardPixmap icon) {
        command->setIcon(style()->standardIcon(icon));
        toolbar->addAction(command);
        return command;
    };

    fileMenu = menuBar()->addMenu(tr("&File"));
    onToolbar(addCommand(fileMenu, tr("&New...\tCtrl+N"), QKeySequence(tr("Ctrl+N")), [this] { newDocument(); }),
              QStyle::SP_FileIcon);
    onToolbar(addCommand(fileMenu, tr("&Open...\tCtrl+O"), QKeySequence(tr("Ctrl+O")),
                         [this] {
                             const QString path = QFileDialog::getOpenFileName(this, tr("Open"), QString(), openFilter);
                             if (!path.isEmpty()) openFile(path);
                         }),
              QStyle::SP_DialogOpenButton);
    editorCommands << addCommand(fileMenu, tr("&Close"), {}, [this] { closeActiveDocument(); });
    editorCommands << onToolbar(addCommand(fileMenu, tr("&Save\tCtrl+S"), QKeySequence(tr("Ctrl+S")),
                                           withView([this](CEditorView& view) { save(view.document()); })),
                                QStyle::SP_DialogSaveButton);
    editorCommands << addCommand(fileMenu, tr("Save &As..."), {}, withView([this](CEditorView& view) {
                                     saveAs(view.document(), tr("Save As"), saveFilter);
                                 }));
    editorCommands << addCommand(fileMenu, tr("Save A&ll"), {}, [this] { saveAll(); });
    fileMenu->addSeparator();
    editorCommands << addCommand(fileMenu, tr("&Print...\tCtrl+P"), QKeySequence(tr("Ctrl+P")),
                                 withView([this](CEditorView& view) {
                                     if (askToPrint(printer, env.printLineNumbers, this))
                                         printDocument(printer, view.document(), documentTitle(view.document()),
                                                       env.printLineNumbers, editorFont(env.settings));
                                 }));
    addCommand(fileMenu, tr("Print S&etup..."), {}, [this] { showPrintSetup(printer, this); });
    editorCommands << addCommand(fileMenu, tr("Print Pre&view"), {}, withView([this](CEditorView& view) {
                                     showPrintPreview(printer, view.document(), documentTitle(view.document()),
                                                      env.printLineNumbers, editorFont(env.settings), this);
                                 }));
    recentSeparator = fileMenu->addSeparator();
    for (int i = 0; i < recentFileCount; ++i) {
        QAction* recent = fileMenu->addAction(QString());
        connect(recent, &QAction::triggered, this, [this, recent] { openFile(recent->data().toString()); });
        recentActions << recent;
    }
    fileMenu->addSeparator();
    addCommand(fileMenu, tr("Pre&ferences..."), {}, [this] { showPreferences(); });
    fileMenu->addSeparator();
    addCommand(fileMenu, tr("E&xit"), {}, [this] { close(); });

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    undoAction = addCommand(edit, tr("&Undo\tCtrl+Z"), QKeySequence(tr("Ctrl+Z")), withView([this](CEditorView& view) {
                                view.undo();
                                updateCommands();
                            }));
    redoAction = addCommand(edit, tr("&Redo\tCtrl+Y"), QKeySequence(tr("Ctrl+Y")), withView([this](CEditorView& view) {
                                view.redo();
                                updateCommands();
                            }));
    edit->addSeparator();
    editorCommands << onToolbar(addCommand(edit, tr("Cu&t\tCtrl+X"), QKeySequence(tr("Ctrl+X")),
                                           withView([](CEditorView& view) { view.cut(); })),
                                QStyle::SP_DialogDiscardButton);
    editorCommands << addCommand(edit, tr("&Copy\tCtrl+C"), QKeySequence(tr("Ctrl+C")),
                                 withView([](CEditorView& view) { view.copy(); }));
    editorCommands << addCommand(edit, tr("&Paste\tCtrl+V"), QKeySequence(tr("Ctrl+V")),
                                 withView([](CEditorView& view) { view.paste(); }));
    // Del stays with the editor, which deletes the selection itself.
    editorCommands << addCommand(edit, tr("&Clear\tDel"), {}, withView([](CEditorView& view) { view.clear(); }));
    editorCommands << addCommand(edit, tr("Select &All\tCtrl+A"), QKeySequence(tr("Ctrl+A")),
                                 withView([](CEditorView& view) { view.selectAll(); }));
    edit->addSeparator();
    editorCommands << addCommand(edit, tr("&Find...\tCtrl+F"), QKeySequence(tr("Ctrl+F")), [this] { findDialog->open(false); });
    editorCommands << addCommand(edit, tr("R&eplace...\tCtrl+H"), QKeySequence(tr("Ctrl+H")), [this] { findDialog->open(true); });
    editorCommands << addCommand(edit, tr("Find &Next\tF3"), QKeySequence(Qt::Key_F3), [this] { findDialog->findNext(); });
    editorCommands << addCommand(edit, tr("Find &Previous\tShift+F3"), QKeySequence(Qt::SHIFT | Qt::Key_F3),
                                 [this] { findDialog->findPrevious(); });
    editorCommands << addCommand(edit, tr("&Go to Line...\tCtrl+G"), QKeySequence(tr("Ctrl+G")), [this] { goToLine(); });

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* showToolbar = toolbar->toggleViewAction();
    showToolbar->setText(tr("&Toolbar"));
    view->addAction(showToolbar);
    QAction* showStatusBar = view->addAction(tr("&Status Bar"));
    showStatusBar->setCheckable(true);
    showStatusBar->setChecked(QSettings().value(statusBarKey, true).toBool());
    statusBar()->setVisible(showStatusBar->isChecked());
    connect(showStatusBar, &QAction::toggled, statusBar(), &QWidget::setVisible);

    // Conveniences the editor view takes from the keyboard itself; the menus show their keys.
    edit->addSeparator();
    editorCommands << addCommand(edit, tr("Toggle Co&mment\tCtrl+/"), {}, withView([](CEditorView& v) { v.toggleComment(); }));
    editorCommands << addCommand(edit, tr("Complete &Keyword\tCtrl+Space"), {},
                                 withView([](CEditorView& v) { v.showCompletions(); }));
    view->addSeparator();
    editorCommands << addCommand(view, tr("Zoom &In\tCtrl++"), {}, withView([](CEditorView& v) { v.zoomBy(1); }));
    editorCommands << addCommand(view, tr("Zoom O&ut\tCtrl+-"), {}, withView([](CEditorView& v) { v.zoomBy(-1); }));
    editorCommands << addCommand(view, tr("&Normal Size\tCtrl+0"), {}, withView([](CEditorView& v) { v.resetZoom(); }));

    QMenu* program = menuBar()->addMenu(tr("&Program"));
    editorCommands << onToolbar(addCommand(program, tr("&Run\tF1"), QKeySequence(Qt::Key_F1), [this] { run(); }),
                                QStyle::SP_MediaPlay);
    editorCommands << onToolbar(addCommand(program, tr("&Test\tF2"), QKeySequence(Qt::Key_F2), [this] { test(); }),
                                QStyle::SP_DialogApplyButton);
    addCommand(program, tr("&Last error\tF4"), QKeySequence(Qt::Key_F4), [this] { lastError(); });
    addCommand(program, tr("View &Output"), {}, [this] {
        viewoutput dialog(env.folders.errorFile, env.folders.screenshot, this);
        dialog.exec();
    });
    addCommand(program, tr("&Variable Viewer"), {}, [this] {
        variableviewer dialog(env.folders.errorFile, [this] { showHelp(QStringLiteral("variableviewer")); }, this);
        dialog.exec();
    });
    editorCommands << addCommand(program, tr("&Compile..."), {}, [this] { compile(); });

    QMenu* tools = menuBar()->addMenu(tr("T&ools"));
    addCommand(tools, tr("&Image Editor"), {}, [this] { startTool(QStringLiteral("pixforge"), {}); })
        ->setEnabled(env.pixforgeFound);
    addCommand(tools, tr("Image Format &Converter"), {}, [this] {
        startTool(QStringLiteral("pixforge"), {QStringLiteral("convert")});
    })->setEnabled(env.pixforgeFound);
    addCommand(tools, tr("&Map editor"), {}, [this] { startTool(QStringLiteral("gridforge"), {}); })
        ->setEnabled(env.gridforgeFound);

    QMenu* window = menuBar()->addMenu(tr("&Window"));
    editorCommands << addCommand(window, tr("&New Window"), {}, withView([this](CEditorView& view) {
                                     addView(view.sharedDocument());
                                 }));
    addCommand(window, tr("&Cascade"), {}, [this] { mdi->cascadeSubWindows(); });
    addCommand(window, tr("&Tile"), {}, [this] { mdi->tileSubWindows(); });
    addCommand(window, tr("Close A&ll"), {}, [this] { closeAllDocuments(); });
    addCommand(window, tr("&Arrange Icons"), {}, [this] { arrangeIcons(); });
    // The open windows, listed below the commands each time the menu opens.
    QAction* windowsSeparator = window->addSeparator();
    connect(window, &QMenu::aboutToShow, this, [this, window, windowsSeparator] {
        const QList<QAction*> actions = window->actions();
        for (qsizetype i = actions.indexOf(windowsSeparator) + 1; i < actions.size(); ++i) delete actions[i];
        int number = 1;
        for (CChildFrame* frame : childFrames()) {
            QAction* entry = window->addAction(QStringLiteral("&%1 %2").arg(number++).arg(frame->windowTitle()));
            entry->setCheckable(true);
            entry->setChecked(frame == mdi->activeSubWindow());
            connect(entry, &QAction::triggered, this, [this, frame] { mdi->setActiveSubWindow(frame); });
        }
    });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    onToolbar(addCommand(help, tr("ORB Basic &User's Guide"), {}, [this] { showHelp(QStringLiteral("userguide")); }),
              QStyle::SP_DialogHelpButton);
    addCommand(help, tr("&Quick Command Help\tF9"), QKeySequence(Qt::Key_F9), [this] {
        CEditorView* view = activeView();
        showHelp(view ? QString::fromLatin1(view->helpTopic().c_str()) : QStringLiteral("userguide"));
    });
    addCommand(help, tr("&About ORB Basic..."), {}, [this] {
        QMessageBox::about(this, tr("About OrbBasic"),
                           tr("OrbBasic %1\nA development system for small phone games.\n"
                              "Write, test and run programs, then package them for the phone.")
                               .arg(QString::fromLatin1(orbVersion.data(), qsizetype(orbVersion.size()))));
    });
}

CEditorView* CMainFrame::activeView() const {
    QMdiSubWindow* child = mdi->activeSubWindow();
    if (!child && !mdi->subWindowList().isEmpty()) child = mdi->currentSubWindow();
    auto* frame = qobject_cast<CChildFrame*>(child);
    return frame ? frame->view() : nullptr;
}

QList<CChildFrame*> CMainFrame::childFrames() const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* child : mdi->subWindowList())
        if (auto* frame = qobject_cast<CChildFrame*>(child)) frames << frame;
    return frames;
}

CChildFrame* CMainFrame::addView(std::shared_ptr<CEditorDoc> document) {
    auto* view = new CEditorView(std::move(document), env.settings);
    auto* frame = new CChildFrame(view, [this](CEditorDoc& doc) { return canCloseDocument(doc); });
    mdi->addSubWindow(frame);
    connect(view, &CEditorView::caretMoved, this, [this, view](int line, int column) {
        if (view == activeView()) caretPane->setText(tr("Ln %1, Col %2").arg(line).arg(column));
        updateCommands();
    });
    connect(view, &CEditorView::statusMessage, this, [this](const QString& text) { statusBar()->showMessage(text, 8000); });
    connect(view, &CEditorView::quickHelpRequested, this,
            [this, view] { showHelp(QString::fromLatin1(view->helpTopic().c_str())); });
    connect(frame, &QObject::destroyed, this, [this] {
        updateCommands();
        updateWatchedFiles();
    });
    CEditorDoc& doc = view->document();
    doc.onModifiedChanged = [this] { updateTitles(); };
    frame->showMaximized();
    updateTitles();
    view->setFocus();
    view->setCaret(view->caret().pos);
    return frame;
}

void CMainFrame::newDocument() { addView(std::make_shared<CEditorDoc>()); }

bool CMainFrame::openFile(const QString& path) {
    const QFileInfo info(path);
    if (info.suffix().compare(QLatin1String("prj"), Qt::CaseInsensitive) == 0) QDir::setCurrent(info.absolutePath());
    const std::string absolute = info.absoluteFilePath().toLocal8Bit().toStdString();
    for (CChildFrame* frame : childFrames())
        if (frame->view()->document().path() == absolute) {
            mdi->setActiveSubWindow(frame);
            return true;
        }
    auto doc = std::make_shared<CEditorDoc>();
    if (!doc->load(absolute)) {
        QMessageBox::warning(this, tr("Error"), tr("Cannot open %1").arg(path));
        return false;
    }
    const bool readOnly = doc->isReadOnly();
    CChildFrame* frame = addView(std::move(doc));
    addRecentFile(info.absoluteFilePath());
    if (readOnly) warn(readOnlyWarning(frame->view()->document(), info.absoluteFilePath()));
    return true;
}

void CMainFrame::fileChangedOnDisk(const QString& path) {
    QList<CEditorDoc*> seen;
    for (CChildFrame* frame : childFrames()) {
        CEditorDoc& doc = frame->view()->document();
        if (seen.contains(&doc) || localPath(doc.path()) != path) continue;
        seen << &doc;
        // Our own saves, and touches that leave the file as it was, are not changes.
        if (!doc.changedOnDisk()) continue;
        if (!QFileInfo::exists(path)) {
            statusBar()->showMessage(tr("%1 was removed from disk; Save writes it again").arg(path));
            continue;
        }
        if (doc.isModified() && !askToReload(path)) {
            statusBar()->showMessage(tr("%1 was changed on disk; Save will ask before writing over it").arg(path));
            continue;
        }
        if (doc.load(doc.path()))
            statusBar()->showMessage(tr("Reloaded %1: it was changed on disk").arg(path));
        else
            statusBar()->showMessage(tr("%1 was changed on disk and cannot be read").arg(path));
    }
    updateTitles();
    updateCommands();
}

bool CMainFrame::save(CEditorDoc& doc) {
    if (doc.isReadOnly()) {
        warn(readOnlyWarning(doc, localPath(doc.path())));
        return false;
    }
    if (doc.path().empty()) return saveAs(doc, tr("Save As"), saveFilter);
    if (doc.changedOnDisk() && !askToOverwrite(localPath(doc.path()))) return false;
    if (!doc.save(doc.path())) {
        QMessageBox::warning(this, tr("Error"), tr("Cannot save %1").arg(localPath(doc.path())));
        return false;
    }
    updateTitles();
    return true;
}

bool CMainFrame::saveAs(CEditorDoc& doc, const QString& caption, const QString& filter) {
    if (doc.isReadOnly()) {
        warn(readOnlyWarning(doc, localPath(doc.path())));
        return false;
    }
    const QString chosen = QFileDialog::getSaveFileName(this, caption, localPath(doc.path()), filter);
    if (chosen.isEmpty()) return false;
    const QString path = withDocumentExtension(chosen);
    if (!doc.save(path.toLocal8Bit().toStdString())) {
        QMessageBox::warning(this, tr("Error"), tr("Cannot save %1").arg(path));
        return false;
    }
    addRecentFile(path);
    updateTitles();
    return true;
}

void CMainFrame::saveAll() {
    QList<CEditorDoc*> done;
    for (CChildFrame* frame : childFrames()) {
        CEditorDoc& doc = frame->view()->document();
        if (done.contains(&doc) || !doc.isModified()) continue;
        done << &doc;
        if (doc.path().empty())
            saveAs(doc, tr("Save a File"), saveAllFilter);
        else
            save(doc);
    }
}

bool CMainFrame::canCloseDocument(CEditorDoc& doc) {
    if (!doc.isModified()) return true;
    switch (askToSave(documentTitle(doc))) {
    case QMessageBox::Yes: return save(doc);
    case QMessageBox::No: return true;
    default: return false;
    }
}

void CMainFrame::closeActiveDocument() {
    CEditorView* view = activeView();
    if (!view) return;
    const std::shared_ptr<CEditorDoc> doc = view->sharedDocument();
    if (!canCloseDocument(*doc)) return;
    for (CChildFrame* frame : childFrames())
        if (frame->view()->sharedDocument() == doc) frame->closeAnswered();
}

void CMainFrame::closeAllDocuments() {
    for (CChildFrame* frame : childFrames())
        if (!frame->close()) return;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!confirmExit()) {
        event->ignore();
        return;
    }
    QSettings state;
    state.setValue(QStringLiteral("Settings"), saveState());
    state.setValue(statusBarKey, statusBar()->isVisible());
    // One question for all changed documents rather than one after another.
    QList<CEditorDoc*> changed;
    QStringList titles;
    for (CChildFrame* frame : childFrames()) {
        CEditorDoc& doc = frame->view()->document();
        if (!doc.isModified() || changed.contains(&doc)) continue;
        changed << &doc;
        titles << documentPathTitle(doc);
    }
    if (!changed.isEmpty()) {
        const QMessageBox::StandardButton answer = askToSaveAll(titles);
        if (answer != QMessageBox::SaveAll && answer != QMessageBox::Discard) {
            event->ignore();
            return;
        }
        if (answer == QMessageBox::SaveAll)
            for (CEditorDoc* doc : changed)
                if (!save(*doc)) {
                    event->ignore();
                    return;
                }
    }
    for (CChildFrame* frame : childFrames()) frame->closeAnswered();
    findDialog->hide();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) openFile(url.toLocalFile());
    event->acceptProposedAction();
}

void CMainFrame::timerEvent(QTimerEvent*) {
    const LockKeys keys = lockKeys();
    capsPane->setText(keys.caps ? tr("CAP") : QString());
    numPane->setText(keys.num ? tr("NUM") : QString());
}

void CMainFrame::bringToFront() {
    if (isMinimized()) showNormal();
    // An open dialog is what the user was last working in.
    QWidget* front = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    front->raise();
    front->activateWindow();
}

// ---- program commands ----

void CMainFrame::build(BuildCommand mode) {
    CEditorView* view = activeView();
    if (!view) return;
    const std::vector<std::string> lines = view->document().allLines();
    const DocumentBuild request{lines, view->document().path(), env.folders.work, env.folders.program, mode};
    const BuildOutcome outcome = env.builds.build(request);
    showBuildOutcome(*view, outcome);
    // The program runs on its own; what it leaves in the error file at its end is reported then.
    if (mode == BuildCommand::Run && outcome.compiled && !outcome.errorFileWritten) watchRun();
}

void CMainFrame::compile() {
    CEditorView* view = activeView();
    if (!view) return;
    const std::vector<std::string> lines = view->document().allLines();
    const DocumentBuild request{lines, view->document().path(), env.folders.work, env.folders.program,
                               BuildCommand::Test};
    CompileDialog dialog(askOutputName, this);
    // Modal from the start: shown before exec, it would otherwise never become modal,
    // and Escape would go to the editor behind it.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    showBuildOutcome(*view, env.builds.compilePackage(request, dialog));
    dialog.finish();
    dialog.exec();
}

void CMainFrame::showBuildOutcome(CEditorView& view, const BuildOutcome& outcome) {
    if (!outcome.messageBoxText.empty())
        QMessageBox::warning(this, tr("Error"), QString::fromLocal8Bit(outcome.messageBoxText.c_str()));
    hintErrorLine = outcome.errorLine;
    hint = outcome.hint;
    if (outcome.errorFileWritten && outcome.compiled && outcome.lastErrorLine < 1) {
        // Success needs no box to be closed: the status bar says it.
        markErrorLine();
        return;
    }
    if (outcome.lastErrorLine >= 1) view.goToLine(outcome.lastErrorLine);
    if (outcome.errorFileWritten) {
        markErrorLine();
        showErrorDialog();
    }
}

void CMainFrame::markErrorLine() {
    const std::optional<std::string> text = readErrorFile(env.folders.errorFile);
    if (!text) return;
    const ErrorReport report = parseErrorLine(firstErrorLine(*text));
    QString said = QString::fromLatin1(report.message.c_str());
    CEditorView* view = activeView();
    if (report.code != 0 && report.line >= 1 && view) {
        // The whole error line selected, the caret at its start: seen at once, and F4 lands on it.
        const int index = std::min(report.line, view->document().lineCount()) - 1;
        const int length = static_cast<int>(view->document().line(index).size());
        view->setCaret({index, 0}, TextPos{index, length});
        said = tr("Line %1: %2    %3")
                   .arg(report.line)
                   .arg(QString::fromLatin1(contractTabs(view->document().line(index)).c_str()).trimmed())
                   .arg(said);
    }
    statusBar()->showMessage(said);
}

void CMainFrame::watchRun() {
    errorFileAtRun = stampOf(env.folders.errorFile);
    runWatch->start();
}

void CMainFrame::showErrorDialog() {
    const std::optional<std::string> errorText = readErrorFile(env.folders.errorFile);
    const bool hintHolds = errorText && !hint.empty() && firstErrorLine(*errorText) == firstErrorLine(hintErrorLine);
    showerror dialog(env.folders.errorFile, [this](int code) { showHelp(QStringLiteral("errormessages"), code); }, this,
                     hintHolds ? QString::fromLatin1(hint.data(), static_cast<qsizetype>(hint.size())) : QString());
    dialog.exec();
    if (dialog.goToLineRequested() >= 1)
        if (CEditorView* view = activeView()) view->goToLine(dialog.goToLineRequested());
}

void CMainFrame::goToLine() {
    CEditorView* view = activeView();
    if (!view) return;
    const int line = askLineNumber(view->caret().pos.line + 1, view->document().lineCount());
    if (line >= 1) view->goToLine(line);
}

void CMainFrame::run() {
    // The runtime writes the error file when it ends; until then the last Run is still going.
    if (runWatch->isActive()) {
        if (!askToRunAgain()) return;
        if (!env.builds.stopLastRun()) {
            statusBar()->showMessage(tr("The running program did not end; close it and Run again."));
            return;
        }
        runWatch->stop();
    }
    build(BuildCommand::Run);
}
void CMainFrame::test() { build(BuildCommand::Test); }

void CMainFrame::lastError() {
    markErrorLine();
    showErrorDialog();
}

void CMainFrame::showHelp(const QString& topic, int errorCode) {
    thehelp help(env.folders.helpFile, env.folders.helpPicture, topic, errorCode, this);
    help.exec();
}

void CMainFrame::showPreferences() {
    COptionsSheet sheet(env.settings, this);
    if (sheet.exec() == QDialog::Accepted) applyPreferences(sheet.page()->workingCopy());
}

void CMainFrame::applyPreferences(const Settings& settings) {
    env.settings = settings;
    for (CChildFrame* frame : childFrames()) frame->view()->applySettings();
    if (!saveSettings(env.folders.settingsFile, env.settings))
        QMessageBox::warning(this, QString::fromLatin1(settingsMessageTitle.data(), settingsMessageTitle.size()),
                             QString::fromLatin1(settingsWriteMessage.data(), settingsWriteMessage.size()));
}

void CMainFrame::startTool(const QString& program, const QStringList& arguments) {
    // The tool in the current folder when it is there, otherwise wherever the system finds it.
    const QString local = QDir::current().absoluteFilePath(program);
    QProcess::startDetached(QFileInfo(local).isExecutable() ? local : program, arguments);
}

// ---- menus and titles ----

void CMainFrame::updateCommands() {
    CEditorView* view = activeView();
    for (QAction* command : editorCommands) command->setEnabled(view != nullptr);
    undoAction->setEnabled(view && view->document().canUndo());
    redoAction->setEnabled(view && view->document().canRedo());
}

void CMainFrame::updateTitles() {
    for (CChildFrame* frame : childFrames()) {
        const CEditorDoc& doc = frame->view()->document();
        QString title = documentPathTitle(doc);
        if (doc.isReadOnly()) title += tr(" [read-only]");
        if (doc.isModified()) title += QStringLiteral(" *");
        frame->setWindowTitle(title);
    }
    updateWatchedFiles();
}

void CMainFrame::updateWatchedFiles() {
    QStringList paths;
    for (CChildFrame* frame : childFrames())
        if (!frame->view()->document().path().empty()) paths << localPath(frame->view()->document().path());
    fileWatch->watchOnly(paths);
}

void CMainFrame::addRecentFile(const QString& path) {
    QSettings state;
    QStringList files = state.value(recentKey).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > recentFileCount) files.removeLast();
    state.setValue(recentKey, files);
    updateRecentFiles();
}

void CMainFrame::updateRecentFiles() {
    const QStringList files = QSettings().value(recentKey).toStringList();
    for (int i = 0; i < recentFileCount; ++i) {
        QAction* recent = recentActions[i];
        recent->setVisible(i < files.size());
        if (i < files.size()) {
            recent->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
            recent->setData(files[i]);
        }
    }
    recentSeparator->setVisible(!files.isEmpty());
}

void CMainFrame::arrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* child : mdi->subWindowList()) {
        if (!child->isMinimized()) continue;
        child->move(x, mdi->viewport()->height() - child->height());
        x += child->width();
    }
}
