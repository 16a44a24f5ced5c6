#include "wave_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>

namespace {

// Every offset is checked against `end` in 64 bits, so that hostile sizes near
// 4 GiB can neither wrap around nor reach past the bytes actually read.
struct RiffReader {
    std::span<const std::uint8_t> bytes;
    std::uint64_t end;  // the end of the RIFF chunk, never past the file

    bool holds(std::uint64_t offset, std::uint64_t size) const { return offset + size <= end; }
    std::uint16_t u16(std::uint64_t at) const { return std::uint16_t(bytes[at] | bytes[at + 1] << 8); }
    std::uint32_t u32(std::uint64_t at) const { return std::uint32_t(u16(at)) | std::uint32_t(u16(at + 2)) << 16; }
    bool idAt(std::uint64_t at, const char* id) const { return std::memcmp(&bytes[at], id, 4) == 0; }
};

struct Chunk {
    std::uint64_t offset;  // of the chunk's data, past its 8-byte header
    std::uint32_t size;
};

constexpr std::uint64_t riffHeaderSize = 12;  // "RIFF", size, "WAVE"

// Walks the sub-chunks of the RIFF chunk from its start, as chunk search does:
// each chunk is padded to an even size.
std::optional<Chunk> findChunk(const RiffReader& riff, const char* id) {
    std::uint64_t at = riffHeaderSize;
    while (riff.holds(at, 8)) {
        const std::uint32_t size = riff.u32(at + 4);
        if (riff.idAt(at, id)) return Chunk{at + 8, size};
        at += 8 + std::uint64_t(size) + (size & 1);
    }
    return std::nullopt;
}

std::optional<WaveFormat> readFormat(const RiffReader& riff) {
    constexpr std::uint32_t baseSize = 16;
    const auto fmt = findChunk(riff, "fmt ");
    if (!fmt || fmt->size < baseSize || !riff.holds(fmt->offset, baseSize)) return std::nullopt;
    const std::uint64_t at = fmt->offset;
    WaveFormat f;
    f.formatTag = riff.u16(at);
    f.channels = riff.u16(at + 2);
    f.samplesPerSecond = riff.u32(at + 4);
    f.bytesPerSecond = riff.u32(at + 8);
    f.blockAlign = riff.u16(at + 12);
    f.bitsPerSample = riff.u16(at + 14);
    // A non-PCM record of exactly 16 bytes has no extra-size field: it counts
    // as 0 rather than being read from the next chunk's header.
    if (f.formatTag != waveFormatPcm && fmt->size >= baseSize + 2) {
        if (!riff.holds(at + baseSize, 2)) return std::nullopt;
        const std::uint16_t extraSize = riff.u16(at + baseSize);
        const std::uint64_t extraAt = at + baseSize + 2;
        if (baseSize + 2 + std::uint64_t(extraSize) > fmt->size || !riff.holds(extraAt, extraSize)) return std::nullopt;
        f.extra.assign(riff.bytes.begin() + extraAt, riff.bytes.begin() + extraAt + extraSize);
    }
    return f;
}

}  // namespace

std::optional<WaveFile> parseWave(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < riffHeaderSize) return std::nullopt;
    RiffReader riff{bytes, bytes.size()};
    if (!riff.idAt(0, "RIFF") || !riff.idAt(8, "WAVE")) return std::nullopt;
    riff.end = std::min<std::uint64_t>(8 + std::uint64_t(riff.u32(4)), bytes.size());

    auto format = readFormat(riff);
    if (!format) return std::nullopt;
    // The data chunk is read completely or not at all.
    const auto data = findChunk(riff, "data");
    if (!data || !riff.holds(data->offset, data->size)) return std::nullopt;
    WaveFile wave{std::move(*format), {}};
    wave.data.assign(bytes.begin() + data->offset, bytes.begin() + data->offset + data->size);
    return wave;
}

std::optional<WaveFile> readWaveFile(const std::string& path) {
    // A folder opens for reading too, but has no size to read.
    std::error_code notAFile;
    if (!std::filesystem::is_regular_file(path, notAFile)) return std::nullopt;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in.tellg();
    if (!in || size < 0) return std::nullopt;
    // A file too large for memory cannot be loaded; it must not end the program.
    try {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
        in.seekg(0);
        if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
        return parseWave(bytes);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}
