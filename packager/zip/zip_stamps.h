// Times and attributes of an entry: DOS time and date, the Unix times of the
// "UT" blocks, and the external attributes.
#pragma once

#include <cstdint>
#include <ctime>
#include <sys/types.h>

struct DosStamp {
    uint16_t time = 0;  // (hour << 11) | (minute << 5) | (seconds / 2)
    uint16_t date = 0;  // ((year - 1980) << 9) | (month << 5) | day
};

// DOS dates run from 1980 to 2107; times outside are pinned to the nearest end.
DosStamp dosStamp(const std::tm& t);

struct EntryStamps {
    DosStamp dos;
    uint32_t modified = 0;
    uint32_t accessed = 0;
    uint32_t created = 0;
};

// A file's stamps: its DOS time is its modification time as the file system
// keeps it (UTC), not converted to local time.
EntryStamps fileStamps(int64_t modified, int64_t accessed, int64_t created);

// A folder's stamps: the current local time, and the current time for all three Unix times.
EntryStamps folderStamps(std::time_t now);

// DOS bits in the low byte (read-only when the owner may not write), the Unix
// mode of a regular file in the high 16 bits.
uint32_t fileExternalAttributes(mode_t mode);

// Unix mode 040700 and the DOS directory bit.
inline constexpr uint32_t folderExternalAttributes = 0x41C00010;
