#include "pump.h"

#include "host.h"
#include "modules.h"
#include "report.h"

#include <algorithm>

bool checkpoint(Interp& in) {
    if (in.maxSteps != 0 && in.steps > in.maxSteps) {
        report(in, RunError::ProgramClosed);
        return false;
    }
    PumpResult result = in.host.pump();
    if (result == PumpResult::Continue && in.modules &&
        pumpEmulator(in.modules->emulator, in.steps) == WindowAction::close)
        result = PumpResult::Closed;
    switch (result) {
        case PumpResult::Quit:
            in.stop = true;
            return false;
        case PumpResult::Closed:
            report(in, RunError::ProgramClosed);
            return false;
        case PumpResult::Continue: break;
    }
    in.nextCheckpoint = in.steps + pumpInterval;
    if (in.maxSteps != 0) in.nextCheckpoint = std::min(in.nextCheckpoint, in.maxSteps + 1);
    return true;
}

void pumpAfterWait(Interp& in) {
    switch (in.host.pump()) {
        case PumpResult::Quit: in.stop = true; break;
        case PumpResult::Closed: report(in, RunError::ProgramClosed); break;
        case PumpResult::Continue: break;
    }
}
