#include "report.h"

#include "host.h"
#include "modules.h"
#include "work_protocol.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string runErrorLine(int32_t line, RunError error) {
    return errorLine(line, messageCode(error), std::string(message(error)) + "|Line " + std::to_string(line) + ": ");
}

}  // namespace

void report(Interp& in, RunError error) {
    if (!in.noError) return;
    in.noError = false;
    in.reportedError = error;
    in.errorLine = runErrorLine(in.currentLine, error);
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
    in.errorLine = runErrorLine(in.currentLine, error);
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
        in.errorLine = runErrorLine(in.currentLine, error);
    }
    in.host.showErrorScreen(error, in.currentLine);
}

void setNormalEndLine(Interp& in) {
    // The line text has at least three digits here, unlike an error's.
    char lineText[32];
    std::snprintf(lineText, sizeof lineText, "Program closed|Line %.3d: ", in.currentLine);
    in.errorLine = errorLine(in.currentLine, 0, lineText);
    std::remove(in.screenshotPath.c_str());
}

bool writeRunEnd(Interp& in) {
    if (writeErrorFile(in)) return in.endWritten = true;
    const std::string text = "Cannot write the error file " + in.errorFilePath + ": " + std::strerror(errno);
    in.host.messageBox(text, "Error", true);
    return in.endWritten;
}
