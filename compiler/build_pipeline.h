// The Run and Test builds behind the environment's commands and the command
// line: compile a document into the work folder and, for Run, start orbrt.
// Nothing here talks to a user; the result says what to show.
#pragma once

#include "runtime_launcher.h"
#include "work_folder_lock.h"
#include "work_protocol.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

enum class BuildMode { Run, Test };

struct BuildRequest {
    std::vector<std::string> lines;       // the document as edited, unsaved changes included
    std::filesystem::path sourceFile;     // empty for an untitled document
    std::filesystem::path workFolder;
    std::filesystem::path programFolder;  // orbrt is taken from here, never from PATH
    BuildMode mode = BuildMode::Test;
    bool waitForRuntime = false;          // the command line waits; the environment does not
};

struct BuildResult {
    bool compiled = false;
    int errorCode = 0;                    // the compile error code; 0 when compiled
    std::string errorLine;                // the line written to the error file
    std::string hint;                     // shown after the message, never written to the error file
    int lastErrorLine = 0;                // where the caret goes when 1 or more
    std::filesystem::path faultFile;      // the source or Include file of a compile error
    int faultLine = 0;
    std::string messageBox;               // a file or start failure, caption "Error"; empty when none
    std::string messageDetail;            // the file and the system's reason behind messageBox, when known
    bool messageBoxWarning = false;       // the box carries the warning icon
    bool packaged = false;                // package mode: "Operation Complete"
    bool runtimeStarted = false;
    RunningRuntime runtime;               // a run not waited for, so that it can be stopped
    int runtimeExitStatus = -1;           // when waited for
    int stopSignal = 0;                   // a waited run stopped by this signal, passed on to orbrt
};

BuildResult build(const BuildRequest& request);

struct Fault;
// File names in the program are relative to the document's folder (the current one when untitled).
std::filesystem::path sourceFolder(const BuildRequest& request);
// Writes a compile error into the error file and the result.
void reportCompileFault(const BuildRequest& request, const Fault& fault, BuildResult& result);
// Sets a file failure's message box and its reason; false, for returning at once.
bool failWithFile(BuildResult& result, std::string_view message, std::string reason, bool warning);
// Takes the work folder for one build (waiting a few seconds for another build
// to end); when it cannot, the result holds the message.
WorkFolderLock takeWorkFolder(const BuildRequest& request, BuildResult& result);

// Splits source text into lines; CR LF, LF and a lone CR read alike as line ends.
std::vector<std::string> splitSourceLines(std::string_view text);

inline constexpr const char* runtimeFileName = "orbrt";
