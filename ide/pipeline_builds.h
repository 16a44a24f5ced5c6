// The environment's Run and Test, carried out by the compiler's build pipeline.
#pragma once

#include "build_service.h"

class PipelineBuilds : public BuildService {
public:
    BuildOutcome build(const DocumentBuild& request) override;
};
