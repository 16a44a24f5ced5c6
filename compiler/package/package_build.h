// Compile for the phone ("&Compile..."): two compile passes in package mode,
// pass 3 (the listings patched into the game class) and the package output
// (JAR and JAD). Nothing here talks to a user; a dialog drives it:
//
//   PackageProgress progress;
//   progress.status = [&](std::string_view text) { ...show the status text... };
//   progress.outputName = [&] { return ...save dialog "Select Output File Name"...; };
//   BuildResult r = buildPackage(request, progress);   // request.mode is not used
//
// status receives, as they happen: "Pass 1 ..... Ok" or "..... Fail", the same
// for "Pass 2" and "Pass 3", then "Operation Cancelled" or "Operation Complete".
// outputName is asked only after pass 3 succeeded; an empty answer cancels,
// and ".jar" is appended where the name needs it. A compile error comes back
// as in Run and Test (error file written, errorLine, lastErrorLine); a file
// failure as r.messageBox for an "Error" box (r.messageBoxWarning: warning icon).
// r.packaged is set with "Operation Complete". The work folder keeps orb16.dat
// and man.dat; TheGameCanvas.class is deleted; the image of an earlier Test or
// Run is left alone. Before pass 1 the program folder's data files are checked;
// after pass 1 every file the program loads must lie under its folder; before
// the output is written it must not name an input, two files must not share an
// entry name and the manifest fields must be sound. Each such refusal is a
// message box naming the files (r.messageDetail adds the system's reason to a
// file failure). The work folder is locked for the whole build.
#pragma once

#include "build_pipeline.h"

#include <functional>
#include <string>
#include <string_view>

struct PackageProgress {
    std::function<void(std::string_view)> status;
    std::function<std::string()> outputName;
};

BuildResult buildPackage(const BuildRequest& request, const PackageProgress& progress);

inline constexpr const char* packageDataFileName = "orb16.dat";
