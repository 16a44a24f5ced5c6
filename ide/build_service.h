// The environment's side of Run, Test and Last error: the menu commands hand
// the active document to a build service and show what it reports.
#pragma once

#include <string>
#include <vector>

enum class BuildCommand { Run, Test };

struct DocumentBuild {
    const std::vector<std::string>& lines;  // the document in memory, unsaved changes included
    std::string sourcePath;                 // empty for an untitled document
    std::string workFolder;
    std::string programFolder;
    BuildCommand mode;
};

struct BuildOutcome {
    bool compiled = false;
    bool errorFileWritten = false;  // the error viewer shows it at once
    int lastErrorLine = 0;          // 1 or more: the caret goes to the start of this line
    std::string messageBoxText;     // shown with the caption "Error" when not empty
    std::string errorLine;          // the line the build wrote into the error file
    std::string hint;               // what the error dialog adds for that line; never in the file
};

// What the Compile command shows while the phone package is built: each
// stage's status text as it happens, and the question for the output name,
// asked only when the program compiled and the game class was patched.
class CompileProgress {
public:
    virtual ~CompileProgress() = default;
    virtual void status(const std::string& text) = 0;
    virtual std::string outputName() = 0;  // empty: the user cancelled
};

class BuildService {
public:
    virtual ~BuildService() = default;
    virtual BuildOutcome build(const DocumentBuild& request) = 0;
    // The Compile command; the request's mode is not used.
    virtual BuildOutcome compilePackage(const DocumentBuild& request, CompileProgress& progress) = 0;
    // Ends the program of the last Run as its close box does, waiting briefly;
    // true when it is no longer running (or never was).
    virtual bool stopLastRun() = 0;
};
