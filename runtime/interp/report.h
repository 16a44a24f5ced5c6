// Reporting run-time errors and the ways a run ends.
#pragma once

#include "interp.h"

// Reports an error of the run: the first report stops the program and is the
// one the error file carries; later ones while it unwinds are ignored.
void report(Interp& in, RunError error);

// Reports a failure while starting up (before the phone window is running):
// a message box and the error file; the caller then ends with status -1.
void reportStartupFailure(Interp& in, RunError error);

// At a normal end (no report during the run): the "Program closed" line with
// code 0, and no screenshot.
void setNormalEndLine(Interp& in);

// Writes the error file: the error line with the screen size, then the dump
// of the named global variables. Nothing is written when it cannot be created.
void writeErrorFile(const Interp& in);
