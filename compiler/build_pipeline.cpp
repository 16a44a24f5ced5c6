#include "build_pipeline.h"

#include "compile_program.h"
#include "error_file.h"
#include "image_writer.h"
#include "runtime_launcher.h"

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;

std::vector<std::string> splitSourceLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

fs::path sourceFolder(const BuildRequest& request) {
    fs::path folder = request.sourceFile.parent_path();
    std::error_code ec;
    if (request.sourceFile.empty() || folder.empty()) folder = fs::current_path(ec);
    return folder;
}

void reportCompileFault(const BuildRequest& request, const Fault& f, BuildResult& result) {
    result.errorCode = f.code;
    result.errorLine = compileErrorLine(f);
    result.hint = compileErrorHint(f);
    result.lastErrorLine = std::min(f.line, int(request.lines.size()));
    result.faultLine = f.line;
    result.faultFile = f.includePath.empty() ? request.sourceFile : f.includePath;
    if (!writeErrorFile(request.workFolder / errorFileName, result.errorLine))
        result.messageBox = "Cannot create error file";
}

BuildResult build(const BuildRequest& request) {
    BuildResult result;
    std::error_code ec;
    fs::remove(request.workFolder / screenshotFileName, ec);

    fs::path folder = sourceFolder(request);

    std::ofstream image(request.workFolder / imageFileName, std::ios::binary | std::ios::trunc);
    if (!image) {
        result.messageBox = "Cannot create temp file";
        result.messageBoxWarning = true;
        return result;
    }
    ImageWriter writer;
    CompileOutcome outcome = compileProgram(writer, request.lines, folder);
    image << writer.text;
    image.close();

    fs::path errorFile = request.workFolder / errorFileName;
    if (outcome.fault.code != 0) {
        reportCompileFault(request, outcome.fault, result);
        return result;
    }
    result.compiled = true;
    if (request.mode == BuildMode::Test) {
        result.errorLine = noErrorsLine(outcome.compiledLines);
        if (!writeErrorFile(errorFile, result.errorLine)) result.messageBox = "Cannot create error file";
        return result;
    }
    // The runtime writes its own error file; an old one must not pass for its result.
    fs::remove(errorFile, ec);
    // The runtime starts in the document's folder, so the work folder must not be relative.
    RuntimeStart start = startRuntime(request.programFolder / runtimeFileName,
                                      fs::absolute(request.workFolder, ec), folder, request.waitForRuntime);
    result.runtimeStarted = start.started;
    result.runtimeExitStatus = start.exitStatus;
    if (!start.started) {
        result.messageBox = "Cannot execute ORBRT.EXE";
        result.messageBoxWarning = true;
    }
    return result;
}
