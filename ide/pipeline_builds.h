// The environment's Run, Test and Compile, carried out by the compiler's build pipeline.
#pragma once

#include "build_service.h"
#include "runtime_launcher.h"

class PipelineBuilds : public BuildService {
public:
    BuildOutcome build(const DocumentBuild& request) override;
    BuildOutcome compilePackage(const DocumentBuild& request, CompileProgress& progress) override;
    bool stopLastRun() override;

private:
    RunningRuntime lastRun;
};
