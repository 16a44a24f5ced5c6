// The environment's process-wide state, created once by runEnvironment.
#pragma once

#include "build_service.h"
#include "folders.h"
#include "settings.h"

struct Environment {
    Folders folders;
    Settings settings;
    BuildService& builds;
    bool pixforgeFound = false;  // Tools commands are enabled by what the current folder held at start-up
    bool gridforgeFound = false;
    bool printLineNumbers = false;  // the print dialog's option, remembered for the next print
};
