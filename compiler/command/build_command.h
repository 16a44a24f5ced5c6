// The command-line build driver of orbbasic:
//   orbbasic [--work DIR] --test FILE.orb    compile only; prints the error file's line
//   orbbasic [--work DIR] --run FILE.orb     compile, run orbrt, print the run's error line
//   orbbasic [--work DIR] --compile FILE.orb -o OUT.jar
//                                            phone package; prints each status line
// Exit status: 0 compiled (Test), ended normally (Run) or "Operation Complete"
// (Compile), 1 compile error or a failed build, 2 run-time error.
#pragma once

int runBuildCommand(int argc, char** argv);

// True when the arguments ask for a build from the command line (they start
// with an option) rather than for the environment's window.
bool isBuildCommand(int argc, char** argv);
