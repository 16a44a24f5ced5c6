#include "environment.h"

#include "environment_state.h"
#include "main_frame.h"
#include "single_instance.h"
#include "work_folder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

QString text(std::string_view view) { return QString::fromLatin1(view.data(), static_cast<qsizetype>(view.size())); }

void readSettingsFile(Environment& env) {
    if (loadSettings(env.folders.settingsFile, env.folders.settingsFallback, env.settings) != SettingsLoad::Missing)
        return;
    QMessageBox::warning(nullptr, text(settingsMessageTitle), text(settingsMissingMessage));
    if (!saveSettings(env.folders.settingsFile, env.settings))
        QMessageBox::warning(nullptr, text(settingsMessageTitle), text(settingsWriteMessage));
}

}  // namespace

int runEnvironment(int argc, char** argv, BuildService& builds) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("OrbBasic"));
    QApplication::setApplicationName(QStringLiteral("orbbasic"));

    SingleInstance instance(QStringLiteral("vxbasicAppClass-") + qEnvironmentVariable("USER"));
    QStringList files;
    for (const QString& argument : QApplication::arguments().mid(1)) files << QFileInfo(argument).absoluteFilePath();
    if (instance.activateRunningInstance(files)) return 0;
    instance.listen();

    const std::string programFolder = QApplication::applicationDirPath().toLocal8Bit().toStdString();
    // The menu entry's name and icon, for the task bar.
    QApplication::setDesktopFileName(QStringLiteral("orbbasic"));
    QApplication::setWindowIcon(QIcon(QString::fromStdString(programFolder + "/orbbasic.png")));
    const std::filesystem::path workFolder = chooseWorkFolder(programFolder);
    const std::string settingsFolder = chooseSettingsFolder(programFolder, workFolder).string();
    Environment env{folderLayout(programFolder, workFolder.string(), settingsFolder), {}, builds};
    env.pixforgeFound = QFileInfo(QStringLiteral("pixforge")).isFile();
    env.gridforgeFound = QFileInfo(QStringLiteral("gridforge")).isFile();
    readSettingsFile(env);

    CMainFrame frame(env);
    QObject::connect(&instance, &SingleInstance::activationRequested, &frame, [&frame](const QStringList& later) {
        for (const QString& file : later) frame.openFile(file);
        frame.bringToFront();
    });
    if (!files.isEmpty()) {
        QDir::setCurrent(QFileInfo(files.front()).absolutePath());
        bool opened = false;
        for (const QString& file : files) opened = frame.openFile(file) || opened;
        if (!opened) frame.newDocument();
    } else {
        frame.newDocument();
    }
    frame.show();
    return QApplication::exec();
}
