#include "archives.h"

#include "archive_file.h"

#include "replace_file.h"

#include <algorithm>
#include <cstdio>

namespace {

// The file of a name that can name an archive; empty for any other name.
std::string archiveFileName(const Archives& a, std::string_view name) {
    if (!isArchiveName(name)) return {};
    return (a.folder.empty() ? std::string() : a.folder + "/") + std::string(name) + ".rs";
}

ArchiveRecord* findRecord(Archives& a, int32_t number) {
    for (ArchiveRecord& r : a.records)
        if (r.number == number) return &r;
    return nullptr;
}

bool isOpen(const Archives& a) { return a.open; }

// A crash or a full disk during the save leaves the previous archive as it
// was; two runtimes saving one archive each write a temporary of their own.
bool saveRecords(const std::string& fileName, const std::deque<ArchiveRecord>& records) {
    if (fileName.empty()) return false;
    return replaceFile(fileName, [&](std::FILE* f) { return writeArchiveFile(f, records); });
}

ArchiveResult closeOpenArchive(Archives& a) {
    const bool saved = a.records.empty() || saveRecords(a.fileName, a.records);
    a.records.clear();
    a.fileName.clear();
    a.open = false;
    if (!saved) return RunError::CannotSaveArchive;
    return std::nullopt;
}

bool isControlCharacter(unsigned char c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

bool isArchiveName(std::string_view name) {
    return !name.empty() && name.size() <= longestArchiveName && std::none_of(name.begin(), name.end(), [](char c) {
        return c == '/' || c == '\\' || isControlCharacter(static_cast<unsigned char>(c));
    });
}

ArchiveResult openArchive(Archives& a, std::string_view name, int32_t mode) {
    if (isOpen(a)) return RunError::ArchiveIsOpen;
    const std::string fileName = archiveFileName(a, name);
    if (!fileName.empty()) removeStaleTemporaries(fileName);
    std::FILE* f = fileName.empty() ? nullptr : std::fopen(fileName.c_str(), "r");
    if (!f) {
        if (mode == 0) return RunError::ArchiveNotFound;
        a.open = true;
        a.fileName = fileName;
        return std::nullopt;
    }
    a.open = true;
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
    const std::string fileName = archiveFileName(a, name);
    std::FILE* f = fileName.empty() ? nullptr : std::fopen(fileName.c_str(), "r");
    if (!f) return RunError::ArchiveDoesntExist;
    std::fclose(f);
    if (std::remove(fileName.c_str()) != 0) return RunError::UnableToDeleteArchive;
    return std::nullopt;
}

ArchiveResult closeArchiveAtEnd(Archives& a) {
    if (!isOpen(a)) return std::nullopt;
    return closeOpenArchive(a);
}
