#include "archive_reader.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <zlib.h>

Bytes readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeWholeFile(const std::string& path, const Bytes& data) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
}

uint16_t readU2(const Bytes& b, size_t at) { return uint16_t(b.at(at) | b.at(at + 1) << 8); }

uint32_t readU4(const Bytes& b, size_t at) { return uint32_t(readU2(b, at)) | uint32_t(readU2(b, at + 2)) << 16; }

namespace {

std::string readName(const Bytes& b, size_t at, size_t length) {
    if (at + length > b.size()) return {};
    return std::string(b.begin() + long(at), b.begin() + long(at + length));
}

Bytes slice(const Bytes& b, size_t at, size_t length) {
    if (at + length > b.size()) return {};
    return Bytes(b.begin() + long(at), b.begin() + long(at + length));
}

}  // namespace

std::optional<ArchiveView> readArchive(const std::string& path) {
    ArchiveView a;
    a.bytes = readWholeFile(path);
    const Bytes& b = a.bytes;
    if (b.size() < 22) return std::nullopt;
    const size_t e = b.size() - 22;
    a.end = {readU4(b, e), readU4(b, e + 12), readU4(b, e + 16), readU2(b, e + 4), readU2(b, e + 6),
             readU2(b, e + 8), readU2(b, e + 10), readU2(b, e + 20)};
    if (a.end.signature != 0x06054B50) return std::nullopt;
    size_t at = a.end.directoryOffset;
    for (int i = 0; i < a.end.totalEntries; ++i) {
        if (at + 46 > e) return std::nullopt;
        CentralRecord c{readU4(b, at), readU4(b, at + 16), readU4(b, at + 20), readU4(b, at + 24),
                        readU4(b, at + 38), readU4(b, at + 42), readU2(b, at + 4), readU2(b, at + 6),
                        readU2(b, at + 8), readU2(b, at + 10), readU2(b, at + 12), readU2(b, at + 14),
                        readU2(b, at + 28), readU2(b, at + 30), readU2(b, at + 32), readU2(b, at + 34),
                        readU2(b, at + 36), {}, {}};
        c.name = readName(b, at + 46, c.nameLength);
        c.extra = slice(b, at + 46 + c.nameLength, c.extraLength);
        at += 46 + size_t(c.nameLength) + c.extraLength + c.commentLength;
        a.central.push_back(c);

        const size_t l = c.localOffset;
        if (l + 30 > b.size()) return std::nullopt;
        LocalRecord r{readU4(b, l), readU4(b, l + 14), readU4(b, l + 18), readU4(b, l + 22),
                      readU2(b, l + 4), readU2(b, l + 6), readU2(b, l + 8), readU2(b, l + 10),
                      readU2(b, l + 12), readU2(b, l + 26), readU2(b, l + 28), {}, {}, 0};
        r.name = readName(b, l + 30, r.nameLength);
        r.extra = slice(b, l + 30 + r.nameLength, r.extraLength);
        r.dataOffset = l + 30 + r.nameLength + r.extraLength;
        if (r.dataOffset + r.compressedSize > b.size()) return std::nullopt;
        a.local.push_back(r);
    }
    if (at != e) return std::nullopt;
    return a;
}

Bytes entryData(const ArchiveView& a, size_t index) {
    const LocalRecord& r = a.local.at(index);
    return slice(a.bytes, r.dataOffset, r.compressedSize);
}

std::optional<Bytes> inflateRaw(const Bytes& compressed) {
    z_stream s{};
    if (inflateInit2(&s, -15) != Z_OK) return std::nullopt;
    Bytes out;
    Bytes chunk(65536);
    s.next_in = const_cast<Bytef*>(compressed.data());
    s.avail_in = uInt(compressed.size());
    int r = Z_OK;
    while (r == Z_OK) {
        s.next_out = chunk.data();
        s.avail_out = uInt(chunk.size());
        r = inflate(&s, Z_NO_FLUSH);
        out.insert(out.end(), chunk.begin(), chunk.begin() + long(chunk.size() - s.avail_out));
        if (r == Z_BUF_ERROR && s.avail_in == 0) break;
    }
    const bool complete = r == Z_STREAM_END && s.avail_in == 0;
    inflateEnd(&s);
    if (!complete) return std::nullopt;
    return out;
}

bool runCommand(const std::string& command) { return std::system(command.c_str()) == 0; }
