// Reads archives back for the tests, field by field, independently of the
// writer's own header code, and inflates entries with zlib.
#pragma once

#include "corpus.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct LocalRecord {
    uint32_t signature, crc, compressedSize, uncompressedSize;
    uint16_t versionNeeded, flags, method, dosTime, dosDate, nameLength, extraLength;
    std::string name;
    Bytes extra;
    size_t dataOffset;
};

struct CentralRecord {
    uint32_t signature, crc, compressedSize, uncompressedSize, externalAttributes, localOffset;
    uint16_t versionMadeBy, versionNeeded, flags, method, dosTime, dosDate;
    uint16_t nameLength, extraLength, commentLength, diskStart, internalAttributes;
    std::string name;
    Bytes extra;
};

struct EndRecord {
    uint32_t signature, directorySize, directoryOffset;
    uint16_t disk, directoryDisk, entriesOnDisk, totalEntries, commentLength;
};

struct ArchiveView {
    Bytes bytes;
    EndRecord end;
    std::vector<CentralRecord> central;
    std::vector<LocalRecord> local;  // one per central record, read at its offset
};

Bytes readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const Bytes& data);

uint16_t readU2(const Bytes& b, size_t at);
uint32_t readU4(const Bytes& b, size_t at);

// Parses an archive without a comment; nothing when its structure is broken.
std::optional<ArchiveView> readArchive(const std::string& path);

// The stored bytes of an entry.
Bytes entryData(const ArchiveView& a, size_t index);

// Raw inflate (no wrapper); nothing when zlib rejects the stream or bytes follow it.
std::optional<Bytes> inflateRaw(const Bytes& compressed);

// Runs a shell command; true when it exits with status 0.
bool runCommand(const std::string& command);
