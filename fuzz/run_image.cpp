#include "run_image.h"

#include "eval.h"
#include "headless_host.h"
#include "report.h"
#include "run_modules.h"
#include "silent_backend.h"
#include "startup.h"

#include <bit>
#include <cstdlib>

namespace {

// The program folder of the fuzz build: the source tree's data files.
const char* const dataFolder = ORB_DATA_FOLDER "/";

// Deep recursion ends with the runtime's message well inside the fuzzer's stack.
constexpr size_t stackBudget = 2 * 1024 * 1024;

// Notes where the interpreter is whenever it looks at the window.
struct RecordingHost final : HeadlessHost {
    PumpResult pump() override {
        if (in) looks.push_back({in->steps, in->currentLine, in->position});
        return HeadlessHost::pump();
    }

    const Interp* in = nullptr;
    std::vector<RunRecord::Look> looks;
};

}  // namespace

RunRecord recordImageRun(std::string_view text, bool fastSteps, uint64_t stepLimit) {
    RecordingHost host;
    Interp in(host);
    host.in = &in;
    in.maxSteps = stepLimit;
    in.runsFastSteps = fastSteps;
    RunRecord record;
    if (loadImageText(text, in.image)) return record;
    record.loaded = true;
    settleScreen(in);

    SkippingClock clock;
    RunModules modules(in, clock, silentBackend());
    if (modules.startPhone(dataFolder, "")) return record;
    // No shown frame: a screenshot file is not an input, and writing one costs more than the run.
    if (!modules.startModules()) std::abort();  // the silent device always opens
    runLoadedProgram(in, stackBudget);
    if (in.noError) setNormalEndLine(in);

    record.looks = std::move(host.looks);
    record.steps = in.steps;
    record.line = in.currentLine;
    record.position = in.position;
    record.noError = in.noError;
    record.reported = in.reportedError;
    record.errorLine = in.errorLine;
    record.ints = in.globals.ints;
    for (const float f : in.globals.floats) record.floatBits.push_back(std::bit_cast<uint32_t>(f));
    record.strings = in.globals.strings;
    return record;
}

void runImageText(std::string_view text) {
    // The fast steps must be invisible: the evaluator alone is their reference.
    // A program that reads the clock or finds the files of an earlier run may
    // differ from run to run, so a difference counts only when the evaluator's
    // runs before and after the fast one agree with each other.
    const RunRecord before = recordImageRun(text, false);
    if (recordImageRun(text, true) != before && recordImageRun(text, false) == before) std::abort();
}
