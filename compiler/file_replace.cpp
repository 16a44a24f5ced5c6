#include "file_replace.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string because(int error) { return std::strerror(error); }

bool closeChecked(int fd) { return ::close(fd) == 0 || errno == EINTR; }

}  // namespace

fs::path createTemporaryBeside(const fs::path& target, std::string& reason) {
    fs::path folder = target.parent_path();
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        reason = because(errno);
        return {};
    }
    // mkstemp gives 0600; the finished file gets the mode a plain create would give.
    mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0 || !closeChecked(fd)) {
        reason = because(errno);
        ::unlink(pattern.c_str());
        return {};
    }
    return pattern;
}

bool writeWholeFile(const fs::path& file, std::string_view text, std::string& reason) {
    int fd = ::open(file.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        reason = because(errno);
        return false;
    }
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // A write of no bytes on a regular file means the disk is full.
            reason = because(n < 0 ? errno : ENOSPC);
            ::close(fd);
            return false;
        }
        data += n;
        left -= std::size_t(n);
    }
    if (::fsync(fd) != 0) {
        reason = because(errno);
        ::close(fd);
        return false;
    }
    if (!closeChecked(fd)) {
        reason = because(errno);
        return false;
    }
    return true;
}

bool syncFile(const fs::path& file, std::string& reason) {
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        reason = because(errno);
        if (fd >= 0) ::close(fd);
        return false;
    }
    ::close(fd);
    return true;
}

bool renameOver(const fs::path& temporary, const fs::path& target, std::string& reason) {
    if (::rename(temporary.c_str(), target.c_str()) == 0) return true;
    reason = because(errno);
    return false;
}

bool replaceFile(const fs::path& target, std::string_view text, std::string& reason) {
    fs::path temporary = createTemporaryBeside(target, reason);
    if (temporary.empty()) {
        reason = target.string() + ": " + reason;
        return false;
    }
    if (writeWholeFile(temporary, text, reason) && renameOver(temporary, target, reason)) return true;
    discardTemporary(temporary);
    reason = target.string() + ": " + reason;
    return false;
}

void discardTemporary(const fs::path& temporary) {
    if (!temporary.empty()) ::unlink(temporary.c_str());
}
