#include "run_image.h"

#include "eval.h"
#include "headless_host.h"
#include "report.h"
#include "run_modules.h"
#include "silent_backend.h"
#include "startup.h"

#include <cstdlib>

namespace {

// The program folder of the fuzz build: the source tree's data files.
const char* const dataFolder = ORB_DATA_FOLDER "/";

// Deep recursion ends with the runtime's message well inside the fuzzer's stack.
constexpr size_t stackBudget = 2 * 1024 * 1024;

}  // namespace

void runImageText(std::string_view text) {
    HeadlessHost host;
    Interp in(host);
    in.maxSteps = fuzzStepLimit;
    if (loadImageText(text, in.image)) return;
    settleScreen(in);

    SkippingClock clock;
    RunModules modules(in, clock, silentBackend());
    if (modules.startPhone(dataFolder, "")) return;
    // No shown frame: a screenshot file is not an input, and writing one costs more than the run.
    if (!modules.startModules()) std::abort();  // the silent device always opens
    runLoadedProgram(in, stackBudget);
    if (in.noError) setNormalEndLine(in);
}
