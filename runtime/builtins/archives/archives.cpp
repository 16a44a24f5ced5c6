#include "archives.h"

#include "archive_file.h"

#include <cstdio>
#include <unistd.h>

namespace {

std::string archiveFileName(std::string_view name) { return std::string(name) + ".rs"; }

ArchiveRecord* findRecord(Archives& a, int32_t number) {
    for (ArchiveRecord& r : a.records)
        if (r.number == number) return &r;
    return nullptr;
}

bool isOpen(const Archives& a) { return !a.fileName.empty(); }

// Writes the records into a new file beside the archive and renames it over
// the archive only when every byte reached the disk, so that a crash or a
// full disk leaves the previous archive as it was.
bool saveRecords(const std::string& fileName, const std::deque<ArchiveRecord>& records) {
    const std::string newFile = fileName + ".new";
    std::FILE* f = std::fopen(newFile.c_str(), "w");
    if (!f) return false;
    bool written = writeArchiveFile(f, records) && std::fflush(f) == 0 && fsync(fileno(f)) == 0;
    written = std::fclose(f) == 0 && written;
    if (written && std::rename(newFile.c_str(), fileName.c_str()) == 0) return true;
    std::remove(newFile.c_str());
    return false;
}

ArchiveResult closeOpenArchive(Archives& a) {
    const bool saved = a.records.empty() || saveRecords(a.fileName, a.records);
    a.records.clear();
    a.fileName.clear();
    if (!saved) return RunError::CannotSaveArchive;
    return std::nullopt;
}

}  // namespace

ArchiveResult openArchive(Archives& a, std::string_view name, int32_t mode) {
    if (isOpen(a)) return RunError::ArchiveIsOpen;
    const std::string fileName = archiveFileName(name);
    std::FILE* f = std::fopen(fileName.c_str(), "r");
    if (!f) {
        if (mode == 0) return RunError::ArchiveNotFound;
        a.fileName = fileName;
        return std::nullopt;
    }
    a.fileName = fileName;
    readArchiveFile(f, a.records);
    std::fclose(f);
    return std::nullopt;
}

ArchiveResult addEntry(Archives& a, std::string_view text) {
    if (!isOpen(a)) return RunError::ArchiveNotOpen;
    a.records.push_front({nextRecordNumber(a.records), std::string(text)});
    return std::nullopt;
}

ArchiveResult getEntry(const Archives& a, int32_t number, std::string& text) {
    text.clear();
    if (!isOpen(a)) return RunError::ArchiveNotOpen;
    for (const ArchiveRecord& r : a.records) {
        if (r.number != number) continue;
        if (r.text) text = *r.text;
        break;
    }
    return std::nullopt;
}

ArchiveResult setEntry(Archives& a, int32_t number, std::string_view text) {
    if (!isOpen(a)) return RunError::ArchiveNotOpen;
    if (ArchiveRecord* r = findRecord(a, number)) r->text = std::string(text);
    return std::nullopt;
}

ArchiveResult deleteEntry(Archives& a, int32_t number) {
    if (!isOpen(a)) return RunError::ArchiveNotOpen;
    if (ArchiveRecord* r = findRecord(a, number)) r->text.reset();
    return std::nullopt;
}

ArchiveResult entryCount(const Archives& a, int32_t& count) {
    count = 0;
    if (!isOpen(a)) return RunError::ArchiveNotOpen;
    for (const ArchiveRecord& r : a.records)
        if (r.text) ++count;
    return std::nullopt;
}

ArchiveResult closeArchive(Archives& a) {
    if (!isOpen(a)) return RunError::ArchiveNotOpen;
    return closeOpenArchive(a);
}

ArchiveResult deleteArchive(Archives& a, std::string_view name) {
    if (isOpen(a))
        if (ArchiveResult closed = closeOpenArchive(a)) return closed;
    const std::string fileName = archiveFileName(name);
    std::FILE* f = std::fopen(fileName.c_str(), "r");
    if (!f) return RunError::ArchiveDoesntExist;
    std::fclose(f);
    if (std::remove(fileName.c_str()) != 0) return RunError::UnableToDeleteArchive;
    return std::nullopt;
}
