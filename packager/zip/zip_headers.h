// The records of the ZIP format as this writer fills them: the entry record
// kept per entry, and the three on-disk headers made from it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int localHeaderSize = 30;
inline constexpr int localExtraSize = 17;    // "UT" block with modification, access and creation times
inline constexpr int centralHeaderSize = 46;
inline constexpr int centralExtraSize = 9;   // "UT" block with the modification time only
inline constexpr int endRecordSize = 22;

inline constexpr uint16_t versionMadeBy = 0x0B17;
inline constexpr uint16_t versionNeeded = 20;
inline constexpr uint16_t methodStored = 0;
inline constexpr uint16_t methodDeflated = 8;
inline constexpr uint16_t flagDataDescriptor = 8;  // set while the sizes are unknown

struct ZipEntry {
    uint16_t versionMadeBy = ::versionMadeBy;
    uint16_t versionNeeded = ::versionNeeded;
    uint16_t flags = flagDataDescriptor;
    uint16_t method = methodStored;
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    uint32_t crc = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
    std::string name;
    uint32_t modified = 0;  // Unix times of the extra blocks
    uint32_t accessed = 0;
    uint32_t created = 0;
    uint16_t internalAttributes = 0;
    uint32_t externalAttributes = 0;
    uint32_t localHeaderOffset = 0;
};

std::vector<uint8_t> localHeader(const ZipEntry& e);
std::vector<uint8_t> centralHeader(const ZipEntry& e);
std::vector<uint8_t> endRecord(uint16_t entryCount, uint32_t directorySize, uint32_t directoryOffset);
