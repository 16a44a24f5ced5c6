// Builds WAV file images for tests, chunk by chunk, so that a test can write
// well-formed files and break them in exactly one place.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline void putU16(Bytes& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
inline void putU32(Bytes& b, std::uint32_t v) {
    putU16(b, v & 0xFFFF);
    putU16(b, v >> 16);
}
inline void putId(Bytes& b, std::string_view id) { b.insert(b.end(), id.begin(), id.end()); }

// A chunk with its id, the given size field and body, padded to an even length.
inline Bytes chunk(std::string_view id, const Bytes& body, std::uint32_t sizeField) {
    Bytes b;
    putId(b, id);
    putU32(b, sizeField);
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() % 2) b.push_back(0);
    return b;
}
inline Bytes chunk(std::string_view id, const Bytes& body) { return chunk(id, body, std::uint32_t(body.size())); }

// The 16-byte format record; PCM block align and byte rate follow from the rest.
inline Bytes formatRecord(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    Bytes b;
    const std::uint16_t align = std::uint16_t(channels * bits / 8);
    putU16(b, tag);
    putU16(b, channels);
    putU32(b, rate);
    putU32(b, rate * align);
    putU16(b, align);
    putU16(b, bits);
    return b;
}

// "RIFF", its size (the given one, or the true one) and "WAVE" before the chunks.
inline Bytes riff(const std::vector<Bytes>& chunks, std::int64_t sizeField = -1) {
    Bytes body;
    putId(body, "WAVE");
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    return chunk("RIFF", body, sizeField < 0 ? std::uint32_t(body.size()) : std::uint32_t(sizeField));
}

inline Bytes pcmWave(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits, const Bytes& data) {
    return riff({chunk("fmt ", formatRecord(1, channels, rate, bits)), chunk("data", data)});
}

inline Bytes samples16(const std::vector<std::int16_t>& values) {
    Bytes b;
    for (std::int16_t v : values) putU16(b, std::uint16_t(v));
    return b;
}

inline void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
