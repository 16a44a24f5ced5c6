#include "test_files.h"

#include "archive_reader.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orbzip-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::put(const std::string& name, const Bytes& data) const {
    const std::string p = file(name);
    std::filesystem::create_directories(std::filesystem::path(p).parent_path());
    writeWholeFile(p, data);
    return p;
}

void setFileTimes(const std::string& path, int64_t modified, int64_t accessed) {
    const struct timespec times[2] = {{time_t(accessed), 0}, {time_t(modified), 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

bool MemoryOutput::write(const uint8_t* data, size_t size) {
    const bool failing = s_.writes++ == s_.failingWrite;
    size_t n = size;
    if (s_.position + n > s_.writeLimit) n = s_.writeLimit > s_.position ? s_.writeLimit - s_.position : 0;
    if (failing) n = size / 2;
    if (s_.bytes.size() < s_.position + n) s_.bytes.resize(s_.position + n);
    std::copy_n(data, n, s_.bytes.begin() + long(s_.position));
    s_.position += n;
    return n == size && !failing;
}

bool MemoryOutput::seek(uint64_t offset) {
    if (s_.seekFails) return false;
    s_.position = size_t(offset);
    return true;
}

bool MemoryOutput::finish() {
    s_.finished = true;
    return !s_.finishFails;
}
