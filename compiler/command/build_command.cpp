#include "build_command.h"

#include <string_view>

#include "build_pipeline.h"
#include "error_file.h"
#include "orb_version.h"
#include "package_build.h"
#include "compile_messages.h"
#include "source_files.h"
#include "source_text.h"
#include "work_folder.h"

#include <cstdio>
#include <iostream>
#include <new>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int exitCompileError = 1;
constexpr int exitRunError = 2;
constexpr int exitUsage = 64;

int usage() {
    std::cerr << "usage: orbbasic [--work DIR] (--test | --run) FILE.orb\n"
                 "       orbbasic [--work DIR] --compile FILE.orb -o OUT.jar\n";
    return exitUsage;
}

int help() {
    std::cout << "usage: orbbasic [FILE.orb]                     open the environment\n"
                 "       orbbasic [--work DIR] --test FILE.orb   compile only; print the error file's line\n"
                 "       orbbasic [--work DIR] --run FILE.orb    compile, run orbrt, print how the run ended\n"
                 "       orbbasic [--work DIR] --compile FILE.orb -o OUT.jar\n"
                 "                                               build a phone package (JAR and JAD)\n"
                 "       orbbasic --help | --version\n"
                 "\n"
                 "  --work DIR  the folder for the image and the error file (default: the user's\n"
                 "              work folder, $XDG_CACHE_HOME/orbbasic)\n"
                 "\n"
                 "Exit status: 0 compiled, ran to a normal end or packaged; 1 compile error or a\n"
                 "failed build; 2 run-time error; 64 wrong usage. See orbbasic(1).\n";
    return 0;
}

int version() {
    std::cout << "orbbasic (OrbBasic) " << orbVersion << '\n';
    return 0;
}

// Run-time codes that mean the program ended normally: closed, ran off its end, or End.
bool endedNormally(int code) { return code == 0 || code == 88 || code == 110; }

int reportRun(const fs::path& workFolder) {
    std::string content;
    if (!readWholeFile(workFolder / errorFileName, content)) {
        std::cerr << "orbbasic: the runtime left no error file\n";
        return exitRunError;
    }
    std::string first = content.substr(0, content.find('\n'));
    if (!first.empty() && first.back() == '\r') first.pop_back();
    std::cout << first << '\n';
    std::size_t dot = first.find('.');
    int code = dot == std::string::npos ? -1 : std::atoi(first.c_str() + dot + 1);
    return endedNormally(code) ? 0 : exitRunError;
}

// A compile error shows as in --test; a message box's text goes to stderr.
void reportProblems(const BuildResult& result) {
    if (result.errorCode != 0) {
        std::cout << result.errorLine << '\n';
        std::cerr << result.faultFile.string() << ':' << result.faultLine << ": "
                  << compileErrorMessage(result.errorCode) << '\n';
        if (!result.hint.empty())
            std::cerr << result.faultFile.string() << ':' << result.faultLine << ": hint: " << result.hint << '\n';
    }
    if (!result.messageBox.empty()) std::cerr << "orbbasic: " << result.messageBox << '\n';
    if (!result.messageDetail.empty()) std::cerr << "orbbasic: " << result.messageDetail << '\n';
}

int compilePackage(const BuildRequest& request, const std::string& output) {
    PackageProgress progress;
    progress.status = [](std::string_view text) { std::cout << text << std::endl; };
    progress.outputName = [&] { return output; };
    BuildResult result = buildPackage(request, progress);
    reportProblems(result);
    return result.packaged ? 0 : exitCompileError;
}

int runBuild(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--help") return help();
    if (argc == 2 && std::string_view(argv[1]) == "--version") return version();
    fs::path workFolder;
    int i = 1;
    if (i + 1 < argc && std::string(argv[i]) == "--work") {
        workFolder = argv[i + 1];
        i += 2;
    }
    if (i + 2 > argc) return usage();
    std::string action = argv[i];
    std::string output;
    if (action == "--compile") {
        if (i + 4 != argc || std::string(argv[i + 2]) != "-o") return usage();
        output = argv[i + 3];
    } else if ((action != "--test" && action != "--run") || i + 2 != argc) {
        return usage();
    }
    fs::path source = argv[i + 1];

    std::string bytes, reason;
    if (!readSourceFile(source, bytes, reason)) {
        std::cerr << "orbbasic: cannot read " << source.string() << ": " << reason << '\n';
        return exitCompileError;
    }
    SourceText decoded = decodeSourceText(bytes);
    BuildRequest request;
    request.lines = splitSourceLines(decoded.text);
    request.sourceFile = source;
    request.programFolder = programFolderOfExecutable();
    // Without --work a build writes into the user's own folder, never into the
    // program folder that other users' builds would share.
    request.workFolder = workFolder.empty() ? userWorkFolder() : workFolder;
    request.mode = action == "--run" ? BuildMode::Run : BuildMode::Test;
    request.waitForRuntime = true;
    std::error_code ec;
    fs::create_directories(request.workFolder, ec);

    if (decoded.badLine != 0) {
        BuildResult result;
        Fault fault;
        fault.code = SyntaxError;
        fault.line = decoded.badLine;
        fault.text = outsideLatin1Text(decoded.badCharacter);
        reportCompileFault(request, fault, result);
        reportProblems(result);
        return exitCompileError;
    }
    if (action == "--compile") return compilePackage(request, output);
    BuildResult result = build(request);
    // "No errors" is said only when the error file says it too.
    if (result.compiled && request.mode == BuildMode::Test && result.messageBox.empty())
        std::cout << result.errorLine << '\n';
    reportProblems(result);
    if (!result.messageBox.empty()) return exitCompileError;
    if (!result.compiled) return exitCompileError;
    if (request.mode == BuildMode::Test) return 0;
    int status = reportRun(request.workFolder);
    // Stopped from outside: the shell's convention for a process ended by a signal.
    return result.stopSignal != 0 ? 128 + result.stopSignal : status;
}

}  // namespace

int runBuildCommand(int argc, char** argv) {
    try {
        return runBuild(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "orbbasic: out of memory\n";
        return exitCompileError;
    }
}

bool isBuildCommand(int argc, char** argv) { return argc > 1 && std::string_view(argv[1]).starts_with("--"); }
