#include "file_write.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

bool replaceFileContents(const std::string& path, std::string_view bytes) {
    // A fresh name beside the file, so that the rename stays on one file system.
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) return false;
    struct stat old {};
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~[] {
        const mode_t mask = umask(0);
        umask(mask);
        return mask;
    }());
    bool written = fchmod(descriptor, mode) == 0;
    size_t done = 0;
    while (written && done < bytes.size()) {
        const ssize_t count = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (count <= 0) written = false;
        else done += static_cast<size_t>(count);
    }
    written = fsync(descriptor) == 0 && written;
    written = close(descriptor) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
