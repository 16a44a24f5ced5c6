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

}  // namespace

void report(Interp& in, RunError error) {
    if (!in.noError) return;
    in.noError = false;
    in.reportedError = error;
    in.errorLine = errorLine(in.currentLine, error);
    in.stop = true;
    std::remove(in.screenshotPath.c_str());
    // A first copy now, before the screenshot takes the room; the end of the
    // run writes it again with the variables as they are then.
    if (writeErrorFile(in)) in.endWritten = true;
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
    writeRunEnd(in);
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
    }
    in.host.showErrorScreen(error, in.currentLine);
}

void setNormalEndLine(Interp& in) {
    char text[300];
    std::snprintf(text, sizeof text, "%d.0Program closed|Line %.3d: ", in.currentLine, in.currentLine);
    in.errorLine = text;
    std::remove(in.screenshotPath.c_str());
}

bool writeRunEnd(Interp& in) {
    if (writeErrorFile(in)) return in.endWritten = true;
    const std::string text = "Cannot write the error file " + in.errorFilePath + ": " + std::strerror(errno);
    in.host.messageBox(text, "Error", true);
    return in.endWritten;
}
