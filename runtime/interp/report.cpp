#include "report.h"

#include "host.h"
#include "modules.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string errorLine(int32_t line, RunError error) {
    char text[300];
    const std::string_view m = message(error);
    std::snprintf(text, sizeof text, "%d.%d%.*s|Line %d: ", line, messageCode(error), static_cast<int>(m.size()),
                  m.data(), line);
    return text;
}

// A run whose end cannot reach the error file says so itself, on standard
// error and in a box when there is a window, and ends with a failure status.
void recordEnd(Interp& in) {
    in.endLost = !writeErrorFile(in);
    if (!in.endLost) return;
    const std::string text = "Cannot write the error file " + in.errorFilePath + ": " + std::strerror(errno);
    in.host.messageBox(text, "Error", true);
}

}  // namespace

void report(Interp& in, RunError error) {
    if (!in.noError) return;
    in.noError = false;
    in.reportedError = error;
    in.errorLine = errorLine(in.currentLine, error);
    in.stop = true;
    std::remove(in.screenshotPath.c_str());
    recordEnd(in);
    in.host.saveScreenshot(in.screenshotPath);
    if (in.modules) stopAllSound(in.modules->sound);  // the error screen is silent
    in.host.showErrorScreen(error, in.currentLine);
}

void reportStartupFailure(Interp& in, RunError error) {
    in.noError = false;
    std::remove(in.screenshotPath.c_str());
    in.errorLine = errorLine(in.currentLine, error);
    in.stop = true;
    in.host.messageBox(message(error), "Error", true);
    recordEnd(in);
}

void reportAtEnd(Interp& in, RunError error) {
    if (in.noError) {
        report(in, error);
        return;
    }
    const std::string_view text = message(error);
    std::fprintf(stderr, "Error: %.*s\n", static_cast<int>(text.size()), text.data());
    // Entries lost are no normal end: the failure takes the place of End's or
    // a close's report, so that the environment does not call the run a success.
    if (in.reportedError == RunError::EndOfProgram || in.reportedError == RunError::ProgramClosed) {
        in.reportedError = error;
        in.errorLine = errorLine(in.currentLine, error);
        recordEnd(in);
    }
    in.host.showErrorScreen(error, in.currentLine);
}

void recordNormalEnd(Interp& in) {
    char text[300];
    std::snprintf(text, sizeof text, "%d.0Program closed|Line %.3d: ", in.currentLine, in.currentLine);
    in.errorLine = text;
    std::remove(in.screenshotPath.c_str());
    recordEnd(in);
}
