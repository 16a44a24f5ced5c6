// Running `orbrt` headless on a program image and checking what it left.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The error file is written with CR LF; expected files are kept with LF.
std::string withCrLf(const std::string& text);

// Runs the `orbrt` at `program` with ORBRT_HEADLESS=1, the given KEY=VALUE
// environment and, when given, that working directory (where a program's
// relative file names point); standard error is silenced. Returns the exit status.
int runOrbrtHeadless(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                     const std::vector<std::string>& environment = {},
                     const std::filesystem::path& workingDirectory = {});

// Expects every "x y RRGGBB" line of the pixels file (blank lines and lines
// starting with "#" aside) to hold in the snapshot PNG.
void expectSnapshotPixels(const std::filesystem::path& snapshot, const std::filesystem::path& pixelsFile);
