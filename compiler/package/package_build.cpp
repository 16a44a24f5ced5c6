#include "package_build.h"

#include "class_patch.h"
#include "class_shrinker.h"
#include "compile_program.h"
#include "package_checks.h"
#include "package_data_check.h"
#include "package_output.h"
#include "package_writer.h"
#include "replace_file.h"
#include "source_files.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

// What the compiler collected, as the package builder takes it: the icon as
// "/" and its bare name, the resource files newest first and found beside the source.
PackageSettings packageSettings(const CompileOutcome& outcome, const fs::path& folder) {
    const ProgramSettings& s = outcome.settings;
    PackageSettings p;
    p.vendor = s.vendor;
    p.version = s.version;
    if (s.iconSet) p.icon = "/" + std::string(bareFileName(s.iconPath));
    p.originalWidth = s.screenWidth;
    p.originalHeight = s.screenHeight;
    p.targetWidth = s.targetWidth;
    p.targetHeight = s.targetHeight;
    p.targetGiven = s.targetResolutionSet;
    p.orientation = s.orientation;
    for (auto f = outcome.resourceFiles.rbegin(); f != outcome.resourceFiles.rend(); ++f)
        p.resourceFiles.push_back(fileInFolder(folder, *f).string());
    return p;
}

struct Stages {
    const PackageProgress& progress;
    BuildResult& result;

    void status(std::string_view text) const {
        if (progress.status) progress.status(text);
    }
    bool pass(std::string_view name, bool ok) const {
        status(std::string(name) + (ok ? " ..... Ok" : " ..... Fail"));
        return ok;
    }
    bool message(std::string_view text, bool warning, std::string detail = {}) const {
        return failWithFile(result, text, std::move(detail), warning);
    }
};

// Pass 1 or 2; false when it failed (a compile error, or pass 2 not matching pass 1).
bool compilePass(const BuildRequest& request, const fs::path& folder, PackageWriter& writer, CompileOutcome& outcome,
                 const Stages& stages) {
    outcome = compileProgram(writer, request.lines, folder);
    if (outcome.fault.code != 0) {
        reportCompileFault(request, outcome.fault, stages.result);
        return false;
    }
    if (writer.procedureMismatch) return stages.message("Compiler Failed to match procedure", true);
    if (writer.tooDeepLine != 0)
        return stages.message("Expression too complex for the phone|Line " + std::to_string(writer.tooDeepLine), true);
    if (writer.stackAtLabel) return stages.message("The package back end left values on the stack at a label", true);
    // The template must offer every member the listings call; its absence is a fault of the build.
    if (!writer.missingMember.empty())
        return stages.message("The game class template has no " + writer.missingMember, true);
    return true;
}

bool runStages(const BuildRequest& request, const Stages& stages) {
    const fs::path folder = sourceFolder(request);
    CompileOutcome outcome;

    // Before pass 1, so that a missing or damaged template is named as such.
    if (std::string fault = packageDataFault(request.programFolder); !fault.empty())
        return stages.pass("Pass 1", stages.message(fault, true));
    PackageWriter first(nullptr);
    bool compiled = compilePass(request, folder, first, outcome, stages);
    if (std::string outside = fileOutsideProgramFolder(outcome.resourceFiles, folder); compiled && !outside.empty())
        compiled = stages.message(outside, true);
    if (!stages.pass("Pass 1", compiled)) return false;

    // The image of an earlier Test or Run in this work folder is left as it is.
    PackageWriter second(&first.layout);
    compiled = compilePass(request, folder, second, outcome, stages);
    std::string reason;
    if (compiled && !replaceFile(request.workFolder / packageDataFileName, second.dataFile, reason))
        compiled = stages.message("Cannot create temp data file", true, reason);
    if (!stages.pass("Pass 2", compiled)) return false;
    stages.result.compiled = true;

    PatchResult patch = patchGameClassFile(request.programFolder, request.workFolder, second.mainListing,
                                           second.procedureListing());
    if (patch.message != PatchMessage::None) stages.message(patchMessageText(patch.message), true);
    // Otherwise the listings did not fit: a method holds 64 KiB of code and branches reach 32 KiB.
    else if (!patch.ok) stages.message("The program is too large for the phone", true);
    if (!stages.pass("Pass 3", patch.ok)) return false;

    std::string name = stages.progress.outputName ? stages.progress.outputName() : std::string();
    if (name.empty()) {
        stages.status("Operation Cancelled");
        return false;
    }
    const std::string jar = outputJarPath(name);
    PackageSettings settings = packageSettings(outcome, folder);
    BuildInputs inputs{request.sourceFile, outcome.includeFiles,
                       jarFileEntries(settings, request.programFolder, request.workFolder)};
    for (const std::string& fault : {outputOverwritesInput(jar, jadPath(jar), inputs), entryNameClash(inputs.entries),
                                     manifestFieldFault(settings, midletName(jar))})
        if (!fault.empty()) return stages.message(fault, false);
    ShrinkResult shrink = shrinkClasses(request.programFolder, request.workFolder);
    if (shrink.shrunk) settings.shrunkClassFolder = shrink.classFolder.string();
    else stages.status(shrink.note);
    PackageOutcome output = writePackage(jar, settings, request.programFolder, request.workFolder);
    if (!output.complete) return stages.message(packageMessageText(output.message), false, output.detail);
    stages.status("Operation Complete");
    return true;
}

}  // namespace

BuildResult buildPackage(const BuildRequest& request, const PackageProgress& progress) {
    BuildResult result;
    WorkFolderLock lock = takeWorkFolder(request, result);
    if (!lock.held()) return result;
    std::error_code ec;
    fs::remove(request.workFolder / screenshotFileName, ec);
    result.packaged = runStages(request, {progress, result});
    fs::remove(request.workFolder / "TheGameCanvas.class", ec);
    removeShrinkerFiles(request.workFolder);
    return result;
}
