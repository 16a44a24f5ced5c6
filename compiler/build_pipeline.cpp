#include "build_pipeline.h"

#include "compile_program.h"
#include "error_file.h"
#include "image_writer.h"
#include "replace_file.h"
#include "runtime_launcher.h"

#include <algorithm>

namespace fs = std::filesystem;

std::vector<std::string> splitSourceLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
    }
    return lines;
}

fs::path sourceFolder(const BuildRequest& request) {
    fs::path folder = request.sourceFile.parent_path();
    std::error_code ec;
    if (request.sourceFile.empty() || folder.empty()) folder = fs::current_path(ec);
    return folder;
}

bool failWithFile(BuildResult& result, std::string_view message, std::string reason, bool warning) {
    result.messageBox = std::string(message);
    result.messageBoxWarning = warning;
    result.messageDetail = std::move(reason);
    return false;
}

void reportCompileFault(const BuildRequest& request, const Fault& f, BuildResult& result) {
    result.errorCode = f.code;
    result.errorLine = compileErrorLine(f);
    result.hint = compileErrorHint(f);
    result.lastErrorLine = std::min(f.line, int(request.lines.size()));
    result.faultLine = f.line;
    result.faultFile = f.includePath.empty() ? request.sourceFile : f.includePath;
    std::string reason;
    if (!writeErrorFile(request.workFolder / errorFileName, result.errorLine, reason))
        failWithFile(result, "Cannot create error file", reason, false);
}

WorkFolderLock takeWorkFolder(const BuildRequest& request, BuildResult& result) {
    std::string reason;
    WorkFolderLock lock = lockWorkFolder(request.workFolder, workFolderLockWait, reason);
    // A folder where not even the lock file can be made cannot take the image either.
    if (!lock.held()) failWithFile(result, lock.inUse() ? workFolderInUseText : "Cannot create temp file", reason, true);
    return lock;
}

BuildResult build(const BuildRequest& request) {
    BuildResult result;
    // Held until this function returns: for a waited run, until the run has ended.
    WorkFolderLock lock = takeWorkFolder(request, result);
    if (!lock.held()) return result;
    std::error_code ec;
    fs::remove(request.workFolder / screenshotFileName, ec);

    fs::path folder = sourceFolder(request);

    ImageWriter writer;
    CompileOutcome outcome = compileProgram(writer, request.lines, folder);
    // Through a temporary name: orbrt never finds half an image.
    std::string reason;
    if (!replaceFile(request.workFolder / programImageFileName, writer.text, reason)) {
        // The error file of an earlier build must not pass for this one's.
        fs::remove(request.workFolder / errorFileName, ec);
        failWithFile(result, "Cannot create temp file", reason, true);
        return result;
    }

    fs::path errorFile = request.workFolder / errorFileName;
    if (outcome.fault.code != 0) {
        reportCompileFault(request, outcome.fault, result);
        return result;
    }
    result.compiled = true;
    if (request.mode == BuildMode::Test) {
        result.errorLine = noErrorsLine(outcome.compiledLines);
        if (!writeErrorFile(errorFile, result.errorLine, reason))
            failWithFile(result, "Cannot create error file", reason, false);
        return result;
    }
    // The runtime writes its own error file; an old one must not pass for its result.
    fs::remove(errorFile, ec);
    // The runtime starts in the document's folder, so the work folder must not be relative.
    RuntimeStart start = startRuntime(request.programFolder / runtimeFileName,
                                      fs::absolute(request.workFolder, ec), folder, request.waitForRuntime);
    result.runtimeStarted = start.started;
    result.runtime = start.running;
    result.runtimeExitStatus = start.exitStatus;
    result.stopSignal = start.forwardedSignal;
    if (!start.started) {
        result.messageBox = "Cannot execute ORBRT.EXE";
        result.messageBoxWarning = true;
    }
    return result;
}
