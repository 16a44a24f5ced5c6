// Arbitrary entries through the archive writer: every archive it calls good
// must read back, entry by entry, with the right names, CRCs, sizes and bytes.
// Input: per entry a kind byte (folder or file), a name length byte, the name,
// a two-byte content length and the content.
#include "archive_reader.h"
#include "zip_writer.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <zlib.h>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

struct Expected {
    std::string name;
    Bytes content;
    bool folder;
};

// A folder of this process for the source file and the archive, removed at exit.
struct WorkFolder {
    std::string path;
    WorkFolder() {
        std::string pattern = "/tmp/orbzip-fuzz-XXXXXX";
        check(mkdtemp(pattern.data()) != nullptr);
        path = pattern;
    }
    ~WorkFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const std::string& workFolder() {
    static const WorkFolder folder;
    return folder.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string archivePath = workFolder() + "/out.jar";
    const std::string sourcePath = workFolder() + "/source";
    ZipWriter zip;
    check(zipCreate(zip, archivePath) == ZipResult::Ok);
    std::vector<Expected> expected;
    size_t at = 0;
    while (at + 2 <= size && expected.size() < 16) {
        const bool folder = data[at] & 1;
        const size_t nameLength = std::min<size_t>(data[at + 1], size - at - 2);
        std::string name(reinterpret_cast<const char*>(data + at + 2), nameLength);
        at += 2 + nameLength;
        Bytes content;
        if (!folder && at + 2 <= size) {
            const size_t length = std::min<size_t>(size_t(data[at]) | size_t(data[at + 1]) << 8, size - at - 2);
            content.assign(data + at + 2, data + at + 2 + length);
            at += 2 + length;
        }
        ZipResult r;
        if (folder) {
            r = zipAddFolder(zip, name);
        } else {
            writeWholeFile(sourcePath, content);
            r = zipAddFile(zip, name, sourcePath);
        }
        if (name.empty()) {
            check(r == ZipResult::BadArgument);
            continue;
        }
        check(r == ZipResult::Ok);
        std::replace(name.begin(), name.end(), '\\', '/');
        if (folder && name.back() != '/') name += '/';
        expected.push_back({name, content, folder});
    }
    check(zipClose(zip) == ZipResult::Ok);

    const std::optional<ArchiveView> a = readArchive(archivePath);
    check(a.has_value());
    check(a->central.size() == expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const CentralRecord& c = a->central[i];
        const LocalRecord& l = a->local[i];
        const Expected& e = expected[i];
        check(c.name == e.name && l.name == e.name);
        check(c.crc == l.crc && c.compressedSize == l.compressedSize && c.uncompressedSize == l.uncompressedSize);
        check(c.flags == l.flags && c.method == l.method);
        check(c.uncompressedSize == e.content.size());
        check(c.crc == uint32_t(crc32(0, e.content.data(), uInt(e.content.size()))));
        const Bytes stored = entryData(*a, i);
        if (c.method == 0) check(stored == e.content);
        else check(!e.folder && inflateRaw(stored) == e.content);
    }
    return 0;
}
