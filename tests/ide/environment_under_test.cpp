// The environment with a stand-in build service, for screenshots: Test writes
// a "No errors" error file, Run writes the lines as the image and starts the
// "orbrt" beside this program on the work folder. With ORB_SCREENSHOT set it
// saves a picture of the main window there and ends.
#include "build_service.h"
#include "environment.h"

#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QProcess>
#include <QTimer>
#include <QString>
#include <QStringList>

#include <fstream>

namespace {

class StandInBuilds : public BuildService {
public:
    BuildOutcome build(const DocumentBuild& request) override {
        BuildOutcome outcome;
        const std::string work = request.workFolder + "/";
        if (request.mode == BuildCommand::Test) {
            std::ofstream(work + "orberr.tmp", std::ios::binary)
                << request.lines.size() << ".0No errors|Total Lines " << request.lines.size();
            outcome.compiled = true;
            outcome.errorFileWritten = true;
            return outcome;
        }
        std::ofstream image(work + "orb16.tmp", std::ios::binary);
        for (const std::string& line : request.lines) image << line << "\n";
        image.close();
        outcome.compiled = true;
        if (!QProcess::startDetached(QString::fromStdString(request.programFolder + "/orbrt"),
                                     {QString::fromStdString(request.workFolder)}))
            outcome.messageBoxText = "Cannot execute ORBRT.EXE";
        return outcome;
    }
    // Stands in for a package build whose stages all succeed; nothing is written.
    BuildOutcome compilePackage(const DocumentBuild&, CompileProgress& progress) override {
        for (const char* stage : {"Pass 1 ..... Ok", "Pass 2 ..... Ok", "Pass 3 ..... Ok"}) progress.status(stage);
        progress.status(progress.outputName().empty() ? "Operation Cancelled" : "Operation Complete");
        BuildOutcome outcome;
        outcome.compiled = true;
        return outcome;
    }
    // The stand-in's runtime is ended by the script that started the environment.
    bool stopLastRun() override { return true; }
};

void scheduleScreenshot() {
    const QString named = qEnvironmentVariable("ORB_SCREENSHOT");
    if (named.isEmpty()) return;
    // Taken from where the program was started: opening a file makes its folder the current one.
    const QString path = QFileInfo(named).absoluteFilePath();
    QTimer::singleShot(1500, [path] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<QMainWindow*>(window) && window->isVisible()) window->grab().save(path);
        QApplication::exit(0);
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleScreenshot)

int main(int argc, char** argv) {
    StandInBuilds builds;
    return runEnvironment(argc, argv, builds);
}
