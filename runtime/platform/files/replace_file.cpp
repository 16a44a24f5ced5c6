#include "replace_file.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Writer = std::function<bool(std::FILE*)>;

constexpr std::string_view processSuffix = ".new";

// errno after a failed step, or EIO when the step failed without setting it
// (a writer that gave up by itself).
int cause() { return errno != 0 ? errno : EIO; }

struct Temporary {
    fs::path path;
    int fd = -1;
    int error = 0;
};

Temporary createHidden(const fs::path& target) {
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return {{}, -1, cause()};
    // mkstemp gives 0600; the finished file gets the mode a plain create would give.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0) {
        const int error = cause();
        ::close(fd);
        ::unlink(pattern.c_str());
        return {{}, -1, error};
    }
    return {pattern, fd, 0};
}

Temporary createOfProcess(const fs::path& target) {
    static std::atomic<unsigned> calls{0};
    const std::string name =
        target.string() + "." + std::to_string(getpid()) + "-" + std::to_string(++calls) + std::string(processSuffix);
    // Not exclusive: a name left by a killed process whose id came back is
    // this process's own now and is simply overwritten.
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return {{}, -1, cause()};
    return {name, fd, 0};
}

Temporary createTemporary(const fs::path& target, TemporaryName naming) {
    return naming == TemporaryName::Hidden ? createHidden(target) : createOfProcess(target);
}

// Fills an open descriptor through `write`, forces it to the disk and closes
// it (the descriptor is closed whatever happens); 0 or the errno of the failure.
int fillAndClose(int fd, const Writer& write) {
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) {
        const int error = cause();
        ::close(fd);
        return error;
    }
    errno = 0;
    int error = write(f) && std::fflush(f) == 0 && ::fsync(fileno(f)) == 0 ? 0 : cause();
    if (std::fclose(f) != 0 && error == 0) error = cause();
    return error;
}

// The one sequence: create the temporary, write, fsync, close, rename; the
// temporary is removed on any failure. 0 or the errno of the failure.
int replaceThrough(const fs::path& target, TemporaryName naming, const Writer& write) {
    const Temporary temporary = createTemporary(target, naming);
    if (temporary.fd < 0) return temporary.error;
    int error = fillAndClose(temporary.fd, write);
    if (error == 0 && std::rename(temporary.path.c_str(), target.c_str()) != 0) error = cause();
    if (error != 0) ::unlink(temporary.path.c_str());
    return error;
}

Writer writerOf(std::string_view text) {
    return [text](std::FILE* f) { return std::fwrite(text.data(), 1, text.size(), f) == text.size(); };
}

bool succeeded(int error, std::string& reason) {
    if (error != 0) reason = std::strerror(error);
    return error == 0;
}

// The process id of an OfProcess temporary "NAME.PID-N.new" of `file`, or 0 when the name is not one.
pid_t temporaryOwner(std::string_view name, std::string_view file) {
    if (name.size() <= file.size() + 1 + processSuffix.size() || !name.starts_with(file) || name[file.size()] != '.' ||
        !name.ends_with(processSuffix))
        return 0;
    const std::string_view middle = name.substr(file.size() + 1, name.size() - file.size() - 1 - processSuffix.size());
    const size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string_view::npos) return 0;
    pid_t pid = 0;
    for (char c : middle.substr(0, dash)) {
        if (c < '0' || c > '9' || pid > 100'000'000) return 0;
        pid = pid * 10 + (c - '0');
    }
    for (char c : middle.substr(dash + 1))
        if (c < '0' || c > '9') return 0;
    return pid;
}

}  // namespace

bool replaceFile(const std::string& path, const std::function<bool(std::FILE*)>& write) {
    const int error = replaceThrough(path, TemporaryName::OfProcess, write);
    errno = error;
    return error == 0;
}

bool replaceFile(const fs::path& target, std::string_view text, std::string& reason) {
    if (succeeded(replaceThrough(target, TemporaryName::Hidden, writerOf(text)), reason)) return true;
    reason = target.string() + ": " + reason;
    return false;
}

void removeStaleTemporaries(const std::string& path) {
    const fs::path file(path);
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string name = file.filename().string();
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const pid_t owner = temporaryOwner(it->path().filename().string(), name);
        // kill with signal 0 only asks whether the process exists.
        std::error_code ignored;
        if (owner > 0 && owner != getpid() && kill(owner, 0) != 0 && errno == ESRCH) fs::remove(it->path(), ignored);
    }
}

fs::path createTemporaryBeside(const fs::path& target, std::string& reason) {
    const Temporary temporary = createTemporary(target, TemporaryName::Hidden);
    if (temporary.fd < 0) {
        succeeded(temporary.error, reason);
        return {};
    }
    if (::close(temporary.fd) != 0 && errno != EINTR) {
        succeeded(cause(), reason);
        ::unlink(temporary.path.c_str());
        return {};
    }
    return temporary.path;
}

bool writeWholeFile(const fs::path& file, std::string_view text, std::string& reason) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return succeeded(cause(), reason);
    return succeeded(fillAndClose(fd, writerOf(text)), reason);
}

bool syncFile(const fs::path& file, std::string& reason) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return succeeded(cause(), reason);
    int error = ::fsync(fd) == 0 ? 0 : cause();
    if (::close(fd) != 0 && errno != EINTR && error == 0) error = cause();
    return succeeded(error, reason);
}

bool renameOver(const fs::path& temporary, const fs::path& target, std::string& reason) {
    return succeeded(std::rename(temporary.c_str(), target.c_str()) == 0 ? 0 : cause(), reason);
}

void discardTemporary(const fs::path& temporary) {
    if (!temporary.empty()) ::unlink(temporary.c_str());
}
