// Reporting run-time errors and the ways a run ends.
#pragma once

#include "interp.h"

// Reports an error of the run: the first report stops the program and is the
// one the error file carries; later ones while it unwinds are ignored. A
// first copy of the error file is written at once, before the screenshot, so
// that a folder with room for only one of the two keeps the run's end.
void report(Interp& in, RunError error);

// Reports a failure while starting up (before the phone window is running):
// a message box and the error file; the caller then ends with status -1.
void reportStartupFailure(Interp& in, RunError error);

// Reports a failure of the shutdown (an archive that cannot be written back):
// the run's report when it had none or ended normally (End, a close), else
// told on standard error; the error screen shows it either way.
void reportAtEnd(Interp& in, RunError error);

// At a normal end (no report during the run): the "Program closed" line with
// code 0, and no screenshot.
void setNormalEndLine(Interp& in);

// The last step of a run: the error file. When it cannot be written the run
// says so itself, on standard error and in a box when there is a window.
// False when no error file of this run is on disk (the runtime then ends
// with a failure status).
bool writeRunEnd(Interp& in);

// Writes the error file through a temporary name: the error line with the
// screen size, then the dump of the named global variables. False when it
// cannot be written; the old file is then left as it was.
bool writeErrorFile(const Interp& in);
