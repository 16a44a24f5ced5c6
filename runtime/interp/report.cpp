#include "report.h"

#include "host.h"
#include "modules.h"

#include <cstdio>

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
    std::remove(in.screenshotPath.c_str());
    in.host.saveScreenshot(in.screenshotPath);
    in.errorLine = errorLine(in.currentLine, error);
    in.stop = true;
    if (in.modules) stopAllSound(in.modules->sound);  // the error screen is silent
    in.host.showErrorScreen(error, in.currentLine);
}

void reportStartupFailure(Interp& in, RunError error) {
    in.noError = false;
    std::remove(in.screenshotPath.c_str());
    in.errorLine = errorLine(in.currentLine, error);
    in.stop = true;
    in.host.messageBox(message(error), "Error", true);
    writeErrorFile(in);
}

void setNormalEndLine(Interp& in) {
    char text[300];
    std::snprintf(text, sizeof text, "%d.0Program closed|Line %.3d: ", in.currentLine, in.currentLine);
    in.errorLine = text;
    std::remove(in.screenshotPath.c_str());
}
