#include "zip_output.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

class FileOutput final : public ZipOutput {
public:
    explicit FileOutput(int fd) : fd_(fd) {}
    ~FileOutput() override {
        if (fd_ >= 0) ::close(fd_);
    }
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    bool write(const uint8_t* data, size_t size) override {
        while (size > 0) {
            const ssize_t n = ::write(fd_, data, size);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            data += n;
            size -= size_t(n);
        }
        return true;
    }

    bool seek(uint64_t offset) override { return ::lseek(fd_, off_t(offset), SEEK_SET) == off_t(offset); }

    bool finish() override {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

}  // namespace

std::unique_ptr<ZipOutput> createFileOutput(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    return std::make_unique<FileOutput>(fd);
}
