// Result codes of the archive writer's operations; 0 is success. The numbers
// are part of the writer's interface and never change.
#pragma once

#include <cstdint>

enum class ZipResult : uint32_t {
    Ok = 0,
    CannotOpen = 0x00000200,        // the output cannot be created or the source cannot be opened
    WriteIncomplete = 0x00000400,   // a header or data write was incomplete, or the compressor failed
    BadArgument = 0x00010000,       // empty name, no source, or a name or file the format cannot hold
    Unusable = 0x00040000,          // an earlier operation failed; the archive is no longer usable
    Closed = 0x00050000,            // the archive is already closed
    NotForWriting = 0x00080000,     // the writer was never created for writing
    NoOutput = 0x01000000,          // the writer has no output
    CannotReposition = 0x02000000,  // the output cannot be repositioned
};
