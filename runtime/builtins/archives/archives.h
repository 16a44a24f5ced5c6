// Archives: a program's persistent storage in the manner of a phone's record
// store. At most one archive is open; its records live in memory and the file
// "name.rs" is rewritten when it is closed (and at the end of the run).
// Commands return the error to report, if any.
//
// A record store's name cannot be a path, and neither can an archive's: 1 to
// 32 characters, none of them NUL, "/", "\" or a control character, so that
// the file is always NAME.rs in the folder the program runs in. Any other
// name names no archive, as on the phone: it is never found (mode 0 gives
// "Archive not found", another mode an empty archive that cannot be saved),
// and no file is read, written or deleted for it.
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

inline constexpr std::size_t longestArchiveName = 32;

// True for a name that can name an archive (the rule above).
bool isArchiveName(std::string_view name);

struct Archives {
    std::string folder;    // where the files are; empty: the folder the program runs in
    bool open = false;
    std::string fileName;  // the open archive's file; empty when its name names none
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

// At the end of a run: an archive still open is written back as by
// CloseArchive, so that no entry is lost however the run ended.
ArchiveResult closeArchiveAtEnd(Archives& a);
