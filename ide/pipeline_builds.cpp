#include "pipeline_builds.h"

#include "build_pipeline.h"

BuildOutcome PipelineBuilds::build(const DocumentBuild& document) {
    BuildRequest request;
    request.lines = document.lines;
    request.sourceFile = document.sourcePath;
    request.workFolder = document.workFolder;
    request.programFolder = document.programFolder;
    request.mode = document.mode == BuildCommand::Run ? BuildMode::Run : BuildMode::Test;
    request.waitForRuntime = false;  // the environment stays responsive while the program runs

    const BuildResult result = ::build(request);
    BuildOutcome outcome;
    outcome.compiled = result.compiled;
    outcome.errorFileWritten = !result.errorLine.empty();
    outcome.lastErrorLine = result.lastErrorLine;
    outcome.messageBoxText = result.messageBox;
    return outcome;
}
