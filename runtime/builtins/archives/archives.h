// Archives: a program's persistent storage in the manner of a phone's record
// store. At most one archive is open; its records live in memory and the file
// "name.rs" is rewritten when it is closed. Commands return the error to
// report, if any.
#pragma once

#include "errors.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

struct ArchiveRecord {
    int32_t number = 0;
    std::optional<std::string> text;  // none for a deleted entry
};

struct Archives {
    std::string fileName;  // an archive is open while this is not empty
    // New records go to the front; searches take the first match from the front.
    std::deque<ArchiveRecord> records;
};

using ArchiveResult = std::optional<RunError>;

ArchiveResult openArchive(Archives& a, std::string_view name, int32_t mode);
ArchiveResult addEntry(Archives& a, std::string_view text);
ArchiveResult getEntry(const Archives& a, int32_t number, std::string& text);
ArchiveResult setEntry(Archives& a, int32_t number, std::string_view text);
ArchiveResult deleteEntry(Archives& a, int32_t number);
ArchiveResult entryCount(const Archives& a, int32_t& count);
ArchiveResult closeArchive(Archives& a);
ArchiveResult deleteArchive(Archives& a, std::string_view name);
