#include "zip_source.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ZipSource::~ZipSource() {
    if (fd >= 0) ::close(fd);
}

bool openSource(ZipSource& source, const std::string& path) {
    source.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (source.fd < 0) return false;
    struct statx st {};
    if (::statx(source.fd, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &st) != 0 || !S_ISREG(st.stx_mode))
        return false;
    source.size = st.stx_size;
    source.mode = st.stx_mode;
    source.modified = st.stx_mtime.tv_sec;
    source.accessed = st.stx_atime.tv_sec;
    source.created = (st.stx_mask & STATX_BTIME) ? st.stx_btime.tv_sec : st.stx_mtime.tv_sec;
    return true;
}

size_t readSource(ZipSource& source, uint8_t* buffer, size_t size) {
    for (;;) {
        const ssize_t n = ::read(source.fd, buffer, size);
        if (n >= 0) return size_t(n);
        if (errno == EINTR) continue;
        source.readFailed = true;
        return 0;
    }
}
