#include "runtime_launcher.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ProcessState {
    char state = 0;  // 0: no such process
    unsigned long long startTicks = 0;
};

// From /proc/PID/stat: the state and the start time, the fields after the
// command name, which is in parentheses and may itself hold spaces or ")".
ProcessState processState(pid_t pid) {
    ProcessState found;
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), {});
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) return found;
    std::istringstream fields(stat.substr(close + 1));
    std::string skipped;
    fields >> found.state;
    for (int field = 4; field < 22; ++field) fields >> skipped;  // the start time is field 22
    fields >> found.startTicks;
    if (!fields) found = {};
    return found;
}

// Writes the whole value through a pipe, whatever signals come.
template <typename T>
void send(int fd, const T& value) {
    while (write(fd, &value, sizeof value) < 0 && errno == EINTR) {}
}

template <typename T>
bool receive(int fd, T& value) {
    ssize_t n;
    while ((n = read(fd, &value, sizeof value)) < 0 && errno == EINTR) {}
    return n == ssize_t(sizeof value);
}

// The signals that stop a run from a terminal or a session; a waiting build
// passes them on to its runtime, which ends the run as its close box does.
constexpr std::array<int, 3> stopSignals = {SIGTERM, SIGINT, SIGHUP};

volatile sig_atomic_t runtimeChild = 0;
volatile sig_atomic_t stopSignal = 0;

void passOn(int signal) {
    stopSignal = signal;
    if (runtimeChild > 0) kill(pid_t(runtimeChild), signal);
}

// Installed before the fork, so no signal falls between the start and the wait;
// the old handlers come back when the run has ended.
class SignalsPassedOn {
public:
    SignalsPassedOn() {
        stopSignal = 0;
        runtimeChild = 0;
        struct sigaction action {};
        action.sa_handler = passOn;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < stopSignals.size(); ++i) sigaction(stopSignals[i], &action, &old_[i]);
    }
    ~SignalsPassedOn() {
        runtimeChild = 0;
        for (std::size_t i = 0; i < stopSignals.size(); ++i) sigaction(stopSignals[i], &old_[i], nullptr);
    }
    SignalsPassedOn(const SignalsPassedOn&) = delete;
    SignalsPassedOn& operator=(const SignalsPassedOn&) = delete;

    void childStarted(pid_t child) {
        runtimeChild = child;
        if (stopSignal != 0) kill(child, stopSignal);   // one that came before the child was known
    }
    // In the child: the runtime handles these signals itself.
    static void restoreDefaults() {
        for (int signal : stopSignals) std::signal(signal, SIG_DFL);
    }

private:
    std::array<struct sigaction, 3> old_{};
};

// In the child: change folder and replace the process; reports errno through the pipe on failure.
[[noreturn]] void execRuntime(const std::string& runtime, const std::string& folder, const std::string& cwd,
                              int errorPipe) {
    int err = 0;
    if (chdir(cwd.c_str()) == 0) {
        char* argv[] = {const_cast<char*>(runtime.c_str()), const_cast<char*>(folder.c_str()), nullptr};
        execv(runtime.c_str(), argv);
    }
    err = errno;
    send(errorPipe, err);
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
    // Detached, the runtime is a grandchild: its process id comes back through this pipe.
    int idFds[2];
    if (pipe2(idFds, O_CLOEXEC) != 0) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        return result;
    }
    std::string runtimePath = runtime.string();
    std::string folder = workFolder.string();
    std::string cwd = currentFolder.string();

    std::optional<SignalsPassedOn> passing;
    if (wait) passing.emplace();
    pid_t child = fork();
    if (child < 0) {
        for (int fd : {pipeFds[0], pipeFds[1], idFds[0], idFds[1]}) close(fd);
        return result;
    }
    if (child == 0) {
        close(pipeFds[0]);
        close(idFds[0]);
        if (wait) SignalsPassedOn::restoreDefaults();
        if (wait) execRuntime(runtimePath, folder, cwd, pipeFds[1]);
        // Detached: a grandchild runs the runtime, so nothing is left to reap here.
        pid_t grandchild = fork();
        if (grandchild == 0) execRuntime(runtimePath, folder, cwd, pipeFds[1]);
        if (grandchild < 0) send(pipeFds[1], errno);
        else send(idFds[1], grandchild);
        _exit(0);
    }
    close(pipeFds[1]);
    close(idFds[1]);
    if (wait) passing->childStarted(child);
    pid_t runtimeId = 0;
    if (!wait) {
        waitFor(child);
        if (!receive(idFds[0], runtimeId)) runtimeId = 0;
    }
    close(idFds[0]);
    int err = 0;
    ssize_t n;
    while ((n = read(pipeFds[0], &err, sizeof err)) < 0 && errno == EINTR) {}
    close(pipeFds[0]);
    result.started = n == 0;  // the pipe closed on a successful exec
    if (result.started && runtimeId > 0) {
        // Read now, while the id is surely still the runtime's.
        const ProcessState state = processState(runtimeId);
        if (state.state != 0 && state.state != 'Z') result.running = {runtimeId, state.startTicks};
    }
    if (wait) {
        int status = waitFor(child);
        if (result.started) result.exitStatus = status;
        result.forwardedSignal = stopSignal;
    }
    return result;
}

bool runtimeRunning(const RunningRuntime& runtime) {
    if (runtime.processId <= 0) return false;
    const ProcessState state = processState(pid_t(runtime.processId));
    return state.state != 0 && state.state != 'Z' && state.startTicks == runtime.startTicks;
}

bool stopRuntime(const RunningRuntime& runtime, std::chrono::milliseconds patience) {
    if (!runtimeRunning(runtime)) return true;
    kill(pid_t(runtime.processId), SIGTERM);
    const auto until = std::chrono::steady_clock::now() + patience;
    while (runtimeRunning(runtime)) {
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}
