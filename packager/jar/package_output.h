// Package output after class patching: the JAR through the archive writer,
// the manifest it holds, and the JAD beside it.
#pragma once

#include "package_settings.h"

#include <filesystem>
#include <string>

enum class PackageMessage { None, CannotCreateJar, JarFileError, CannotCreateJad };

struct PackageOutcome {
    bool complete = false;   // "Operation Complete"
    PackageMessage message = PackageMessage::None;   // shown in an "Error" box when set
    std::string detail;      // the file and the system's reason, for the command line and logs
};

// Writes the JAR at jarPath (the chosen name, ".jar" rule applied) from the
// patched class and package data in the work folder, the templates and
// images of the program folder and the resource files, then the JAD. Both are
// written under temporary names and renamed over the old pair only when both
// are complete, so a failure leaves the old pair as it was. The manifest is
// left in the work folder as man.dat.
PackageOutcome writePackage(const std::string& jarPath, const PackageSettings& settings,
                            const std::filesystem::path& programFolder, const std::filesystem::path& workFolder);

const char* packageMessageText(PackageMessage m);
