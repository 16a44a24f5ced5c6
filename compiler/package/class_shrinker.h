// Shrinks the package's classes with ProGuard after pass 3: only the
// members the program reaches are kept, names are shortened and the CLDC
// stack maps are computed again (-microedition). The library is the CLDC
// and MIDP stubs the classes were built against, cldc_midp.jar in the
// program folder. The MIDlet class and every class name are kept, so the
// JAR's entries keep their names.
//
// ProGuard is found on PATH as "proguard"; ORB_PROGUARD names another
// program, or "none" to leave the classes as they are.
#pragma once

#include <filesystem>
#include <string>

struct ShrinkResult {
    bool shrunk = false;
    std::string note;                   // why the classes were not shrunk; empty when they were
    std::filesystem::path classFolder;  // program/*.class, shrunk, when shrunk
};

ShrinkResult shrinkClasses(const std::filesystem::path& programFolder, const std::filesystem::path& workFolder);

// Removes the copies and the shrunk classes; the settings and the log stay for a look.
void removeShrinkerFiles(const std::filesystem::path& workFolder);

// The library of stub classes in the program folder.
inline constexpr const char* phoneLibraryFileName = "cldc_midp.jar";
