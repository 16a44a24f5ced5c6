// Runs `orbrt` with its phone window on the test's private X server and
// drives the window with real X input (xdotool).
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// A fresh work folder holding the program image.
fs::path workFolderWith(const fs::path& image, const std::string& name);

// A fresh work folder holding NAME.orb of this folder compiled; empty when it does not compile.
fs::path compiledProgram(const std::string& name);

// Starts `orbrt` on the folder with the window and silent sound; the program
// runs in `current` when given. Standard error goes to FOLDER/stderr.txt.
pid_t startWindowed(const fs::path& folder, const std::vector<std::string>& environment, const fs::path& current = {});

// The X id of the run's phone window once it is on screen, looked for up to
// `attempts` times 50 ms apart; "" when it is not there.
std::string mainWindow(pid_t pid, int attempts = 100);

// xdotool with these arguments; true when it succeeded.
bool xdotool(const std::string& arguments);

// Waits for the run to end, pressing a key whenever the error screen waits
// for one (a screenshot exists). The exit status, or -1 after a timeout.
int finishRun(pid_t pid, const fs::path& folder);

// Ends a run that a failed test leaves behind.
void endRun(pid_t pid);

