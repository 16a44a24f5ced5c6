#include "pipeline_builds.h"

#include "build_pipeline.h"
#include "package_build.h"

namespace {

BuildRequest pipelineRequest(const DocumentBuild& document, BuildMode mode) {
    BuildRequest request;
    request.lines = document.lines;
    request.sourceFile = document.sourcePath;
    request.workFolder = document.workFolder;
    request.programFolder = document.programFolder;
    request.mode = mode;
    request.waitForRuntime = false;  // the environment stays responsive while the program runs
    return request;
}

BuildOutcome outcomeOf(const BuildResult& result) {
    BuildOutcome outcome;
    outcome.compiled = result.compiled;
    outcome.errorFileWritten = !result.errorLine.empty();
    outcome.lastErrorLine = result.lastErrorLine;
    outcome.messageBoxText = result.messageBox;
    outcome.errorLine = result.errorLine;
    outcome.hint = result.hint;
    return outcome;
}

}  // namespace

BuildOutcome PipelineBuilds::build(const DocumentBuild& document) {
    const BuildResult result =
        ::build(pipelineRequest(document, document.mode == BuildCommand::Run ? BuildMode::Run : BuildMode::Test));
    if (result.runtimeStarted) lastRun = result.runtime;
    return outcomeOf(result);
}

bool PipelineBuilds::stopLastRun() {
    // Long enough for the runtime to write its error file and save its archives.
    return stopRuntime(lastRun, std::chrono::seconds(3));
}

BuildOutcome PipelineBuilds::compilePackage(const DocumentBuild& document, CompileProgress& progress) {
    PackageProgress stages;
    stages.status = [&progress](std::string_view text) { progress.status(std::string(text)); };
    stages.outputName = [&progress] { return progress.outputName(); };
    return outcomeOf(buildPackage(pipelineRequest(document, BuildMode::Test), stages));
}
