// Where an archive's bytes go. The writer goes forward and jumps back once per
// entry to finish its local header. Production writes a file; tests put an
// output in between that fails on demand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class ZipOutput {
public:
    virtual ~ZipOutput() = default;
    // Writes all the bytes or returns false.
    virtual bool write(const uint8_t* data, size_t size) = 0;
    // Moves to an absolute offset; false when the output cannot be repositioned.
    virtual bool seek(uint64_t offset) = 0;
    // Closes the output; false when its last bytes could not be kept.
    virtual bool finish() = 0;
};

// Creates the file, replacing any file of that name; nullptr when it cannot.
std::unique_ptr<ZipOutput> createFileOutput(const std::string& path);
