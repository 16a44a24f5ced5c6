#include "replace_file.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view temporarySuffix = ".new";

std::string temporaryName(const std::string& path) {
    static std::atomic<unsigned> calls{0};
    return path + "." + std::to_string(getpid()) + "-" + std::to_string(++calls) + std::string(temporarySuffix);
}

// The process id of a temporary "NAME.PID-N.new" of `file`, or 0 when the name is not one.
pid_t temporaryOwner(std::string_view name, std::string_view file) {
    if (name.size() <= file.size() + 1 + temporarySuffix.size() || !name.starts_with(file) || name[file.size()] != '.' ||
        !name.ends_with(temporarySuffix))
        return 0;
    const std::string_view middle = name.substr(file.size() + 1, name.size() - file.size() - 1 - temporarySuffix.size());
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
    const std::string temporary = temporaryName(path);
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f) return false;
    bool written = write(f) && std::fflush(f) == 0 && fsync(fileno(f)) == 0;
    int cause = errno;
    if (std::fclose(f) != 0 && written) {
        written = false;
        cause = errno;
    }
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    if (written) cause = errno;
    std::remove(temporary.c_str());
    errno = cause != 0 ? cause : EIO;
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
