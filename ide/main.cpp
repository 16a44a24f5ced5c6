// orbbasic: the development environment, or a build from the command line when
// the first argument is an option (--test, --run, --work).
#include "build_command.h"
#include "environment.h"
#include "pipeline_builds.h"

int main(int argc, char** argv) {
    if (isBuildCommand(argc, argv)) return runBuildCommand(argc, argv);
    PipelineBuilds builds;
    return runEnvironment(argc, argv, builds);
}
