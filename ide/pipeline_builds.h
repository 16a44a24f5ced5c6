// The environment's Run, Test and Compile, carried out by the compiler's build pipeline.
#pragma once

#include "build_service.h"

class PipelineBuilds : public BuildService {
public:
    BuildOutcome build(const DocumentBuild& request) override;
    BuildOutcome compilePackage(const DocumentBuild& request, CompileProgress& progress) override;
};
