#include "hostile_run.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

fs::path freshFolder(const std::string& name) {
    const fs::path folder = testFile(name);  // removed with the test process's folder
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(folder);
    return folder;
}

std::string firstLine(const fs::path& errorFile) {
    const std::string text = readWholeFile(errorFile.string());
    return text.substr(0, text.find("\r\n"));
}

bool compileInto(const fs::path& work, const std::string& source) {
    const fs::path file = work / "program.orb";
    writeWholeFile(file.string(), source);
    const std::string command = std::string("'") + ORBBASIC_PATH + "' --work '" + work.string() + "' --test '" +
                                file.string() + "' >'" + (work / "compile.txt").string() + "' 2>&1";
    const int status = std::system(command.c_str());
    if (status == 0 && fs::exists(work / "orb16.tmp")) return true;
    ADD_FAILURE() << "does not compile:\n" << source << "\n" << readWholeFile((work / "compile.txt").string());
    return false;
}

namespace {

fs::path stderrFile(const RunOptions& options) { return options.work.string() + ".stderr"; }

}  // namespace

pid_t startRun(const RunOptions& options) {
    const std::string err = stderrFile(options).string();
    const std::string folder = options.work.string();
    const std::string current = (options.current.empty() ? options.work : options.current).string();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("ORBRT_HEADLESS", "1", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        for (const std::string& assignment : options.environment) putenv(const_cast<char*>(assignment.c_str()));
        const int fd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) dup2(fd, STDERR_FILENO);
        if (chdir(current.c_str()) != 0) _exit(126);
        if (options.fileSizeLimit >= 0) {
            signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails as on a full disk
            const rlimit limit{static_cast<rlim_t>(options.fileSizeLimit), static_cast<rlim_t>(options.fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        execl(ORBRT_PATH, "orbrt", folder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

int waitRun(pid_t pid, int timeoutMs) {
    int status = 0;
    for (int waited = 0; waited < timeoutMs; waited += 5) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

int run(const RunOptions& options) { return waitRun(startRun(options)); }

std::string runErrors(const RunOptions& options) { return readWholeFile(stderrFile(options).string()); }

bool mountSmallDisk(const fs::path& folder, const std::string& size) {
    fs::create_directories(folder);
    return mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
}

void fillDisk(const fs::path& folder) {
    const int fd = open((folder / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string block(4096, 'f');
    while (write(fd, block.data(), block.size()) > 0) {}
    while (write(fd, block.data(), 1) > 0) {}
    close(fd);
}

bool remountReadOnly(const fs::path& folder) {
    return mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

void unmount(const fs::path& folder) { umount2(folder.c_str(), MNT_DETACH); }
