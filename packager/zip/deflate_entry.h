// What the match finders of levels 1 to 8 and of the strong level share about
// the entry: reading its data, every byte into the CRC and the count, and
// whether it is still going well.
#pragma once

#include "crc32.h"
#include "deflate.h"

inline size_t readInput(Deflater& d, uint8_t* buffer, size_t size) {
    const size_t n = d.io.read(buffer, size);
    d.crc = crc32Update(d.crc, buffer, n);
    d.bytesRead += n;
    return n;
}

inline bool running(const Deflater& d) { return d.error == DeflateError::None && !d.outputFailed; }
