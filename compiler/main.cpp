#include "build_command.h"

int main(int argc, char** argv) { return runBuildCommand(argc, argv); }
