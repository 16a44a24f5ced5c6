#include "work_folder_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

WorkFolderLock::~WorkFolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

WorkFolderLock lockWorkFolder(const std::filesystem::path& workFolder, std::chrono::milliseconds wait,
                              std::string& reason) {
    WorkFolderLock lock;
    std::filesystem::path file = workFolder / workFolderLockName;
    // Close-on-exec: the runtime must not hold the folder after this build lets it go.
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason = file.string() + ": " + std::strerror(errno);
        return lock;
    }
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            lock.fd_ = fd;
            return lock;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        if (std::chrono::steady_clock::now() >= giveUp) {
            errno = EWOULDBLOCK;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    lock.inUse_ = errno == EWOULDBLOCK;
    reason = lock.inUse_ ? std::string(workFolderInUseText) + ": " + workFolder.string()
                         : file.string() + ": " + std::strerror(errno);
    ::close(fd);
    return lock;
}
