// A source file of a file entry, open for reading, with the facts the entry
// record takes from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>

struct ZipSource {
    int fd = -1;
    uint64_t size = 0;
    mode_t mode = 0;
    int64_t modified = 0;  // seconds since 1970
    int64_t accessed = 0;
    int64_t created = 0;   // the modification time when the file system keeps no birth time
    bool readFailed = false;

    ZipSource() = default;
    ~ZipSource();
    ZipSource(const ZipSource&) = delete;
    ZipSource& operator=(const ZipSource&) = delete;
};

// Opens a regular file; false when it cannot be opened or is something else
// (a folder, a device), whose data an entry cannot hold.
bool openSource(ZipSource& source, const std::string& path);

// Reads up to size bytes; 0 at the end. A read error also gives 0 and sets readFailed.
size_t readSource(ZipSource& source, uint8_t* buffer, size_t size);
