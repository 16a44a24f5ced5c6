#include "class_shrinker.h"

#include "jar_entries.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The program on PATH, or empty.
std::string onPath(const std::string& name) {
    if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0 ? name : std::string();
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (std::size_t start = 0; start <= folders.size();) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        std::string candidate = folders.substr(start, end - start) + "/" + name;
        if (end > start && access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return {};
}

// Runs the program with its output into the log file; true when it exited with 0.
bool runQuietly(const std::string& program, const std::vector<std::string>& args, const fs::path& log) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out >= 0) {
            dup2(out, 1);
            dup2(out, 2);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// What ProGuard keeps: the MIDlet, which the phone starts by name, and the
// class names; members reached from it stay, under short names. Aggressive
// overloading is left out: some phones' VMs refuse fields and methods that
// differ only in type. Notes about the test host's listener, looked up by
// name, are not wanted.
std::string configuration(const fs::path& in, const fs::path& out, const fs::path& library) {
    return "-injars '" + in.string() + "'\n-outjars '" + out.string() + "'\n-libraryjars '" + library.string() +
           "'\n"
           "-microedition\n"
           "-keep public class * extends javax.microedition.midlet.MIDlet\n"
           "-keepnames class *\n"
           "-optimizationpasses 3\n"
           "-allowaccessmodification\n"
           "-dontnote\n";
}

constexpr const char* inFolderName = "classes";
constexpr const char* outFolderName = "shrunk";

}  // namespace

void removeShrinkerFiles(const fs::path& workFolder) {
    std::error_code ec;
    fs::remove_all(workFolder / inFolderName, ec);
    fs::remove_all(workFolder / outFolderName, ec);
}

ShrinkResult shrinkClasses(const fs::path& programFolder, const fs::path& workFolder) {
    ShrinkResult result;
    const char* chosen = std::getenv("ORB_PROGUARD");
    std::string name = chosen && *chosen ? chosen : "proguard";
    std::string proguard = name == "none" ? std::string() : onPath(name);
    if (proguard.empty()) {
        result.note = "Not shrunk ..... ProGuard is not installed";
        return result;
    }
    const fs::path library = programFolder / phoneLibraryFileName;
    const fs::path in = workFolder / inFolderName;
    const fs::path out = workFolder / outFolderName;
    removeShrinkerFiles(workFolder);
    std::error_code ec;
    fs::create_directories(in / "program", ec);
    bool copied = !ec;
    for (const PackageClass& c : packageClasses(programFolder, workFolder))
        copied = copied && fs::copy_file(c.source, in / "program" / c.className, ec);
    const fs::path settings = workFolder / "proguard.pro";
    std::ofstream(settings, std::ios::trunc) << configuration(in, out, library);
    if (!copied || !runQuietly(proguard, {"@" + settings.string()}, workFolder / "proguard.log")) {
        result.note = "Not shrunk ..... ProGuard failed, see proguard.log";
        return result;
    }
    result.shrunk = true;
    result.classFolder = out / "program";
    return result;
}
