#include "zip_writer.h"

#include "crc32.h"
#include "zip_names.h"
#include "zip_source.h"
#include "zip_stamps.h"

#include <array>
#include <ctime>
#include <limits>

namespace {

constexpr size_t copyBlockSize = 16384;
constexpr uint64_t maxZipNumber = std::numeric_limits<uint32_t>::max();
constexpr size_t maxEntries = std::numeric_limits<uint16_t>::max();

ZipResult refusal(const ZipWriter& zip) {
    if (!zip.created) return ZipResult::NotForWriting;
    if (zip.closed) return ZipResult::Closed;
    if (zip.failure != ZipResult::Ok) return ZipResult::Unusable;
    return ZipResult::Ok;
}

// Bytes may already be in the archive, so the archive cannot be trusted again.
ZipResult fail(ZipWriter& zip, ZipResult r) {
    zip.failure = r;
    return r;
}

bool writeBytes(ZipWriter& zip, const uint8_t* data, size_t size) {
    if (!zip.output->write(data, size)) return false;
    zip.offset += size;
    return true;
}

bool writeBytes(ZipWriter& zip, const std::vector<uint8_t>& bytes) {
    return writeBytes(zip, bytes.data(), bytes.size());
}

ZipResult storeData(ZipWriter& zip, ZipEntry& e, ZipSource& source) {
    std::array<uint8_t, copyBlockSize> block;
    uint32_t crc = crc32Start;
    uint64_t count = 0;
    while (size_t n = readSource(source, block.data(), block.size())) {
        if (!writeBytes(zip, block.data(), n)) return ZipResult::WriteIncomplete;
        crc = crc32Update(crc, block.data(), n);
        count += n;
    }
    if (source.readFailed || count > maxZipNumber) return ZipResult::WriteIncomplete;
    e.crc = crc;
    e.uncompressedSize = e.compressedSize = uint32_t(count);
    return ZipResult::Ok;
}

ZipResult deflateData(ZipWriter& zip, ZipEntry& e, ZipSource& source) {
    if (!zip.deflater) zip.deflater = std::make_unique<Deflater>();
    Deflater& d = *zip.deflater;
    DeflateIo io;
    io.read = [&source](uint8_t* buffer, size_t size) { return readSource(source, buffer, size); };
    io.write = [&zip](const uint8_t* data, size_t size) { return writeBytes(zip, data, size); };
    startEntry(d, zip.packLevel, std::move(io));
    compress(d);
    if (d.error != DeflateError::None || d.outputFailed || source.readFailed || d.bytesRead > maxZipNumber ||
        d.bytesWritten > maxZipNumber)
        return ZipResult::WriteIncomplete;
    e.flags |= d.generalFlags;
    e.internalAttributes = d.internalAttributes;
    e.crc = d.crc;
    e.uncompressedSize = uint32_t(d.bytesRead);
    e.compressedSize = uint32_t(d.bytesWritten);
    return ZipResult::Ok;
}

// Writes the local header, the data, and the local header again with the final
// CRC and sizes; then the entry joins the list for the central directory.
ZipResult writeEntry(ZipWriter& zip, ZipEntry& e, ZipSource* source) {
    e.localHeaderOffset = uint32_t(zip.offset);
    if (!writeBytes(zip, localHeader(e))) return fail(zip, ZipResult::WriteIncomplete);
    if (source) {
        const ZipResult r = e.method == methodDeflated ? deflateData(zip, e, *source) : storeData(zip, e, *source);
        if (r != ZipResult::Ok) return fail(zip, r);
    }
    e.flags &= uint16_t(~flagDataDescriptor);
    if (!zip.output->seek(e.localHeaderOffset)) return fail(zip, ZipResult::CannotReposition);
    const std::vector<uint8_t> header = localHeader(e);
    if (!zip.output->write(header.data(), header.size())) return fail(zip, ZipResult::WriteIncomplete);
    if (!zip.output->seek(zip.offset)) return fail(zip, ZipResult::CannotReposition);
    zip.entries.push_back(std::move(e));
    return ZipResult::Ok;
}

// Names and counts the format cannot hold are refused before anything is written.
ZipResult checkNewEntry(const ZipWriter& zip, std::string_view name) {
    if (name.empty() || name.size() > maxEntryName) return ZipResult::BadArgument;
    if (zip.entries.size() >= maxEntries || zip.offset > maxZipNumber) return ZipResult::BadArgument;
    return ZipResult::Ok;
}

}  // namespace

ZipResult zipCreate(ZipWriter& zip, const std::string& path) {
    std::unique_ptr<ZipOutput> output = createFileOutput(path);
    if (!output) {
        zip = ZipWriter{};
        return ZipResult::CannotOpen;
    }
    return zipCreateOn(zip, std::move(output));
}

ZipResult zipCreateOn(ZipWriter& zip, std::unique_ptr<ZipOutput> output) {
    zip = ZipWriter{};
    if (!output) return ZipResult::NoOutput;
    zip.output = std::move(output);
    zip.created = true;
    return ZipResult::Ok;
}

ZipResult zipAddFolder(ZipWriter& zip, std::string_view name) {
    if (ZipResult r = refusal(zip); r != ZipResult::Ok) return r;
    if (ZipResult r = checkNewEntry(zip, name); r != ZipResult::Ok) return r;
    ZipEntry e;
    e.name = entryName(name, true);
    e.method = methodStored;
    const EntryStamps stamps = folderStamps(std::time(nullptr));
    e.dosTime = stamps.dos.time;
    e.dosDate = stamps.dos.date;
    e.modified = stamps.modified;
    e.accessed = stamps.accessed;
    e.created = stamps.created;
    e.externalAttributes = folderExternalAttributes;
    return writeEntry(zip, e, nullptr);
}

ZipResult zipAddFile(ZipWriter& zip, std::string_view name, const std::string& sourcePath) {
    if (ZipResult r = refusal(zip); r != ZipResult::Ok) return r;
    if (sourcePath.empty()) return ZipResult::BadArgument;
    if (ZipResult r = checkNewEntry(zip, name); r != ZipResult::Ok) return r;
    ZipEntry e;
    e.name = entryName(name, false);
    e.method = storedBySuffix(e.name) ? methodStored : methodDeflated;
    ZipSource source;
    if (!openSource(source, sourcePath)) return ZipResult::CannotOpen;
    if (source.size > maxZipNumber) return ZipResult::BadArgument;
    const EntryStamps stamps = fileStamps(source.modified, source.accessed, source.created);
    e.dosTime = stamps.dos.time;
    e.dosDate = stamps.dos.date;
    e.modified = stamps.modified;
    e.accessed = stamps.accessed;
    e.created = stamps.created;
    e.externalAttributes = fileExternalAttributes(source.mode);
    e.uncompressedSize = uint32_t(source.size);
    e.compressedSize = e.method == methodStored ? uint32_t(source.size) : 0;
    return writeEntry(zip, e, &source);
}

ZipResult zipClose(ZipWriter& zip) {
    if (!zip.created) return ZipResult::NotForWriting;
    if (zip.closed) return ZipResult::Closed;
    zip.closed = true;
    const uint64_t directoryOffset = zip.offset;
    bool complete = true;
    for (const ZipEntry& e : zip.entries) {
        if (!writeBytes(zip, centralHeader(e))) {
            complete = false;
            break;
        }
    }
    if (complete) {
        const auto count = uint16_t(zip.entries.size());
        complete = writeBytes(zip, endRecord(count, uint32_t(zip.offset - directoryOffset), uint32_t(directoryOffset)));
    }
    if (!zip.output->finish()) complete = false;
    zip.output.reset();
    zip.entries.clear();
    zip.deflater.reset();
    if (!complete) return ZipResult::WriteIncomplete;
    // An archive that lost an entry on the way is not reported as a success.
    return zip.failure != ZipResult::Ok ? ZipResult::Unusable : ZipResult::Ok;
}
