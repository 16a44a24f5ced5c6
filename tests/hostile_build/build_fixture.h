// A program folder of its own for each test, orbbasic run on it from the
// command line, and small disks made on demand.
#pragma once

#include "orbbasic_runs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class HostileBuild : public testing::Test {
protected:
    std::filesystem::path dir;    // the program's folder; "work" below it is the work folder
    std::filesystem::path disk;   // a small disk, once mountSmallDisk made it
    bool mounted = false;
    long long fileSizeLimitKiB = 0;   // the injected failure where a mount is refused

    void SetUp() override;
    void TearDown() override;

    void write(const std::string& name, const std::string& text);
    std::string read(const std::filesystem::path& path);
    // orbbasic with these arguments, in dir; "--work work" unless the arguments name a work folder.
    CommandRun run(const std::string& arguments);
    // A tmpfs of this size at dir/disk; where mounting is refused, every
    // file a later run writes is limited to the size instead (and the test says so).
    void mountSmallDisk(int kib);
    // Random bytes, which no deflate can make smaller.
    void writeRandomFile(const std::string& name, std::size_t size);
};

// Files in a folder whose names start with ".": temporaries left behind.
int temporaryFilesIn(const std::filesystem::path& folder);
