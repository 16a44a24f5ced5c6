#include "zip_headers.h"

namespace {

// Every number in a ZIP header is little-endian.
struct Bytes {
    std::vector<uint8_t> v;
    Bytes& u1(uint8_t x) {
        v.push_back(x);
        return *this;
    }
    Bytes& u2(uint16_t x) { return u1(uint8_t(x)).u1(uint8_t(x >> 8)); }
    Bytes& u4(uint32_t x) { return u2(uint16_t(x)).u2(uint16_t(x >> 16)); }
    Bytes& text(const std::string& s) {
        v.insert(v.end(), s.begin(), s.end());
        return *this;
    }
};

constexpr uint16_t extendedTimeTag = 0x5455;  // "UT"
constexpr uint8_t allThreeTimes = 7;

}  // namespace

std::vector<uint8_t> localHeader(const ZipEntry& e) {
    Bytes b;
    b.u4(0x04034B50).u2(e.versionNeeded).u2(e.flags).u2(e.method).u2(e.dosTime).u2(e.dosDate);
    b.u4(e.crc).u4(e.compressedSize).u4(e.uncompressedSize);
    b.u2(uint16_t(e.name.size())).u2(localExtraSize).text(e.name);
    b.u2(extendedTimeTag).u2(localExtraSize - 4).u1(allThreeTimes).u4(e.modified).u4(e.accessed).u4(e.created);
    return b.v;
}

std::vector<uint8_t> centralHeader(const ZipEntry& e) {
    Bytes b;
    b.u4(0x02014B50).u2(e.versionMadeBy).u2(e.versionNeeded).u2(e.flags).u2(e.method).u2(e.dosTime).u2(e.dosDate);
    b.u4(e.crc).u4(e.compressedSize).u4(e.uncompressedSize);
    b.u2(uint16_t(e.name.size())).u2(centralExtraSize).u2(0).u2(0);
    b.u2(e.internalAttributes).u4(e.externalAttributes).u4(e.localHeaderOffset).text(e.name);
    // The central block announces all three times but carries only the modification time.
    b.u2(extendedTimeTag).u2(centralExtraSize - 4).u1(allThreeTimes).u4(e.modified);
    return b.v;
}

std::vector<uint8_t> endRecord(uint16_t entryCount, uint32_t directorySize, uint32_t directoryOffset) {
    Bytes b;
    b.u4(0x06054B50).u2(0).u2(0).u2(entryCount).u2(entryCount).u4(directorySize).u4(directoryOffset).u2(0);
    return b.v;
}
