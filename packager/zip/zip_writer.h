// The archive writer: a ZIP archive written in one forward pass. Each entry's
// local header is written first and rewritten in place once its CRC and sizes
// are known; the central directory and the end record follow on closing.
#pragma once

#include "deflate.h"
#include "zip_headers.h"
#include "zip_output.h"
#include "zip_result.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct ZipWriter {
    std::unique_ptr<ZipOutput> output;
    uint64_t offset = 0;             // bytes written so far
    std::vector<ZipEntry> entries;   // in the order added
    ZipResult failure = ZipResult::Ok;  // once set, every later add is refused
    bool created = false;
    bool closed = false;
    int packLevel = highestPackLevel;
    std::unique_ptr<Deflater> deflater;  // made for the first deflated entry, kept for the rest
};

// Creates the archive file, replacing any file of that name.
ZipResult zipCreate(ZipWriter& zip, const std::string& path);

// Starts an archive on an output of the caller's.
ZipResult zipCreateOn(ZipWriter& zip, std::unique_ptr<ZipOutput> output);

// Adds an empty folder entry.
ZipResult zipAddFolder(ZipWriter& zip, std::string_view name);

// Adds a file entry with the data, times and attributes of the source file. A
// source that cannot be opened leaves no trace in the archive.
ZipResult zipAddFile(ZipWriter& zip, std::string_view name, const std::string& sourcePath);

// Writes the central directory and the end record and closes the output.
ZipResult zipClose(ZipWriter& zip);
