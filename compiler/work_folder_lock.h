// A build takes its work folder for itself: two builds on one folder would
// otherwise overwrite each other's image and read each other's error file.
// The lock is an flock on a file in the work folder, so it ends with the
// process that holds it, however that process ends.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

inline constexpr const char* workFolderLockName = "orbbasic.lock";
inline constexpr std::chrono::milliseconds workFolderLockWait{5000};

class WorkFolderLock {
public:
    WorkFolderLock() = default;
    WorkFolderLock(WorkFolderLock&& other) noexcept : fd_(other.fd_), inUse_(other.inUse_) { other.fd_ = -1; }
    WorkFolderLock& operator=(WorkFolderLock&&) = delete;
    WorkFolderLock(const WorkFolderLock&) = delete;
    ~WorkFolderLock();
    bool held() const { return fd_ >= 0; }
    // Not held because another build holds it (rather than the lock file failing).
    bool inUse() const { return inUse_; }

private:
    friend WorkFolderLock lockWorkFolder(const std::filesystem::path&, std::chrono::milliseconds, std::string&);
    int fd_ = -1;
    bool inUse_ = false;
};

// Waits up to wait for another build to let the folder go; when it does not,
// or the lock file cannot be made, the lock is not held and reason says why.
WorkFolderLock lockWorkFolder(const std::filesystem::path& workFolder, std::chrono::milliseconds wait,
                              std::string& reason);

inline constexpr const char* workFolderInUseText = "Work folder in use by another build";
