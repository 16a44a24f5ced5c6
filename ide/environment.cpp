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
    if (instance.activateRunningInstance()) return 0;
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
    QObject::connect(&instance, &SingleInstance::activationRequested, &frame, &CMainFrame::bringToFront);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const QFileInfo file(arguments[1]);
        QDir::setCurrent(file.absolutePath());
        if (!frame.openFile(file.absoluteFilePath())) frame.newDocument();
    } else {
        frame.newDocument();
    }
    frame.show();
    return QApplication::exec();
}
