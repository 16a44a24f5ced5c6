#include "runtime_launcher.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// In the child: change folder and replace the process; reports errno through the pipe on failure.
[[noreturn]] void execRuntime(const std::string& runtime, const std::string& folder, const std::string& cwd,
                              int errorPipe) {
    int err = 0;
    if (chdir(cwd.c_str()) == 0) {
        char* argv[] = {const_cast<char*>(runtime.c_str()), const_cast<char*>(folder.c_str()), nullptr};
        execv(runtime.c_str(), argv);
    }
    err = errno;
    ssize_t written = write(errorPipe, &err, sizeof err);
    (void)written;
    _exit(127);
}

int waitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

RuntimeStart startRuntime(const std::filesystem::path& runtime, const std::filesystem::path& workFolder,
                          const std::filesystem::path& currentFolder, bool wait) {
    RuntimeStart result;
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return result;
    std::string runtimePath = runtime.string();
    std::string folder = workFolder.string();
    std::string cwd = currentFolder.string();

    pid_t child = fork();
    if (child < 0) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        return result;
    }
    if (child == 0) {
        close(pipeFds[0]);
        if (wait) execRuntime(runtimePath, folder, cwd, pipeFds[1]);
        // Detached: a grandchild runs the runtime, so nothing is left to reap here.
        pid_t grandchild = fork();
        if (grandchild == 0) execRuntime(runtimePath, folder, cwd, pipeFds[1]);
        if (grandchild < 0) {
            int err = errno;
            ssize_t written = write(pipeFds[1], &err, sizeof err);
            (void)written;
        }
        _exit(0);
    }
    close(pipeFds[1]);
    if (!wait) waitFor(child);
    int err = 0;
    ssize_t n;
    while ((n = read(pipeFds[0], &err, sizeof err)) < 0 && errno == EINTR) {}
    close(pipeFds[0]);
    result.started = n == 0;  // the pipe closed on a successful exec
    if (wait) {
        int status = waitFor(child);
        if (result.started) result.exitStatus = status;
    }
    return result;
}
