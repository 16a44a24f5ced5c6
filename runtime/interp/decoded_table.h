// The decoded codes of a loaded image, found by text position. Only the
// positions where the loader's scan met a code hold a record, in text
// order; a byte per position gives the record's place within its block of
// positions (0: none), and a count per block the records before it. That
// costs about two and a half bytes per text character, where a record for
// every position would cost eight.
#pragma once

#include "codes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class DecodedTable {
public:
    // Starts a table for a text of the given length.
    void reset(uint32_t length);

    // Keeps the record of the code at pos; positions come in increasing order
    // (any other is not kept).
    void append(uint32_t pos, const DecodedCode& code);

    // The table is complete: its spare room is given back.
    void complete() { records_.shrink_to_fit(); }

    // The table as a loop reads it: the records stay in place for the whole
    // run, so a loop keeps these pointers in registers instead of reloading them.
    struct View {
        const uint8_t* place;
        const uint32_t* before;
        const DecodedCode* records;
        size_t positions;

        // The record kept at pos, or nullptr.
        const DecodedCode* find(uint32_t pos) const {
            if (pos >= positions || place[pos] == 0) return nullptr;
            return records + before[pos / blockSize] + (place[pos] - 1);
        }
    };

    View view() const { return {place_.data(), before_.data(), records_.data(), place_.size()}; }
    const DecodedCode* find(uint32_t pos) const { return view().find(pos); }

    size_t bytes() const {
        return place_.capacity() + before_.capacity() * sizeof(uint32_t) + records_.capacity() * sizeof(DecodedCode);
    }

private:
    // Places 1 to blockSize fit in a byte.
    static constexpr uint32_t blockSize = 128;

    std::vector<uint8_t> place_;     // per position: 1 + the record's place in its block, or 0
    std::vector<uint32_t> before_;   // per block: the records before it
    std::vector<DecodedCode> records_;
    uint32_t lastPosition_ = 0;      // of the last record kept
};
