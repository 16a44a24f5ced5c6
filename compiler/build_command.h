// The command-line build driver of orbbasic:
//   orbbasic [--work DIR] --test FILE.orb    compile only; prints the error file's line
//   orbbasic [--work DIR] --run FILE.orb     compile, run orbrt, print the run's error line
// Exit status: 0 compiled (Test) or ended normally (Run), 1 compile error or a
// failed build, 2 run-time error.
#pragma once

int runBuildCommand(int argc, char** argv);

// True when the arguments ask for a build from the command line (they start
// with an option) rather than for the environment's window.
bool isBuildCommand(int argc, char** argv);
