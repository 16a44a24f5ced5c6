// Arbitrary data through the compressor at any level and with any read sizes
// must inflate back to itself with the right CRC. The first bytes choose the
// level, the size of the reads and how often the data is repeated, so that
// short inputs still slide the window and find matches far back.
#include "deflate.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>
#include <zlib.h>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

std::vector<uint8_t> inflateAll(const std::vector<uint8_t>& compressed, size_t expectedSize) {
    z_stream s{};
    check(inflateInit2(&s, -15) == Z_OK);
    std::vector<uint8_t> out(expectedSize + 1);
    s.next_in = const_cast<Bytef*>(compressed.data());
    s.avail_in = uInt(compressed.size());
    s.next_out = out.data();
    s.avail_out = uInt(out.size());
    check(inflate(&s, Z_FINISH) == Z_STREAM_END);
    check(s.avail_in == 0);  // nothing after the final block
    out.resize(s.total_out);
    inflateEnd(&s);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    // One state for every input, as an archive reuses it for every entry.
    static const auto d = std::make_unique<Deflater>();
    const int level = 1 + data[0] % strongPackLevel;  // 1 to 8 and the strong level
    const size_t readSize = 1 + size_t(data[1]) * size_t(data[1]) * 4;
    const size_t repeats = 1 + data[2] % 64;
    // The strong level parses every position many times over, and long
    // repeats give every position hundreds of match lengths to weigh: a few
    // KiB keep it at several runs a second under the sanitizers. The unit
    // tests take it across the window and the segment edge.
    const size_t sizeLimit = level == strongPackLevel ? 4096 : 600000;
    std::vector<uint8_t> input;
    for (size_t r = 0; r < repeats && input.size() < sizeLimit; ++r) {
        input.insert(input.end(), data + 3, data + size);
        if (r % 3 == 1 && !input.empty()) input[input.size() / 2 + r % input.size() / 2] ^= uint8_t(r);
    }

    size_t position = 0;
    std::vector<uint8_t> compressed;
    DeflateIo io;
    io.read = [&](uint8_t* buffer, size_t n) {
        n = std::min({n, readSize, input.size() - position});
        std::copy_n(input.begin() + long(position), n, buffer);
        position += n;
        return n;
    };
    io.write = [&](const uint8_t* bytes, size_t n) {
        compressed.insert(compressed.end(), bytes, bytes + n);
        return true;
    };
    startEntry(*d, level, std::move(io));
    check(compress(*d) == compressed.size());
    check(d->error == DeflateError::None && !d->outputFailed);
    check(d->bytesRead == input.size());
    check(d->crc == uint32_t(crc32(0, input.data(), uInt(input.size()))));
    check(inflateAll(compressed, input.size()) == input);
    return 0;
}
