// A fresh folder per test for sources and archives, removed afterwards, and an
// archive output in memory that fails on demand.
#pragma once

#include "corpus.h"
#include "zip_output.h"

#include <cstdint>
#include <limits>
#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes a file and returns its path.
    std::string put(const std::string& name, const Bytes& data) const;

private:
    std::string path_;
};

// Sets a file's modification and access times, in seconds since 1970.
void setFileTimes(const std::string& path, int64_t modified, int64_t accessed);

// What a MemoryOutput did and how it is to fail; the test keeps it, the writer
// owns the output.
struct MemoryOutputState {
    Bytes bytes;
    size_t position = 0;
    size_t writeLimit = std::numeric_limits<size_t>::max();  // bytes beyond this offset are refused
    int failingWrite = -1;   // the write call (counting from 0) that fails, -1 for none
    int writes = 0;
    bool seekFails = false;
    bool finishFails = false;
    bool finished = false;
};

class MemoryOutput final : public ZipOutput {
public:
    explicit MemoryOutput(MemoryOutputState& state) : s_(state) {}
    bool write(const uint8_t* data, size_t size) override;
    bool seek(uint64_t offset) override;
    bool finish() override;

private:
    MemoryOutputState& s_;
};
