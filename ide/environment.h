// The development environment's entry point: the main window with its editors.
#pragma once

class BuildService;

// Runs the environment until its main window closes; the build service does Run and Test.
int runEnvironment(int argc, char** argv, BuildService& builds);
