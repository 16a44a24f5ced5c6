#include "zip_stamps.h"

#include <sys/stat.h>

DosStamp dosStamp(const std::tm& t) {
    const int year = t.tm_year + 1900;
    if (year < 1980) return {0, (1 << 5) | 1};  // 1 January 1980, 00:00:00
    if (year > 2107) return {(23 << 11) | (59 << 5) | 29, (127 << 9) | (12 << 5) | 31};
    DosStamp s;
    s.time = uint16_t((t.tm_hour << 11) | (t.tm_min << 5) | (t.tm_sec / 2));
    s.date = uint16_t(((year - 1980) << 9) | ((t.tm_mon + 1) << 5) | t.tm_mday);
    return s;
}

EntryStamps fileStamps(int64_t modified, int64_t accessed, int64_t created) {
    EntryStamps s;
    const std::time_t m = std::time_t(modified);
    std::tm utc{};
    gmtime_r(&m, &utc);
    s.dos = dosStamp(utc);
    s.modified = uint32_t(modified);
    s.accessed = uint32_t(accessed);
    s.created = uint32_t(created);
    return s;
}

EntryStamps folderStamps(std::time_t now) {
    EntryStamps s;
    std::tm local{};
    localtime_r(&now, &local);
    s.dos = dosStamp(local);
    s.modified = s.accessed = s.created = uint32_t(now);
    return s;
}

uint32_t fileExternalAttributes(mode_t mode) {
    constexpr uint32_t dosReadOnly = 0x01;
    const bool writable = (mode & S_IWUSR) != 0;
    uint32_t unixMode = S_IFREG | S_IRUSR;
    if (writable) unixMode |= S_IWUSR;
    if (mode & S_IXUSR) unixMode |= S_IXUSR;
    return unixMode << 16 | (writable ? 0 : dosReadOnly);
}
