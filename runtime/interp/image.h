// The loaded program image: its text, the trailer settings, the position
// tables built from its marks, the data pointer and the variable names.
#pragma once

#include "codes.h"
#include "decoded_table.h"
#include "errors.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TrailerSettings {
    int32_t width = 360;
    int32_t height = 640;
    int32_t orientation = 0;      // 1: landscape, width and height swapped at start-up
    int32_t orientationFree = 1;  // kept for the phone package; no effect on the desktop
    int32_t touchScreen = 1;
    int32_t joypadUsed = 0;
    int32_t highestLabel = 0;
    int32_t trueTargetCount = 0;
    int32_t falseTargetCount = 0;
    int32_t highestProcedure = 0;
};

// A mark's table: entries that no mark filled hold 0, the start of the image.
struct PositionTable {
    int32_t size = 0;  // highest valid number, from the trailer
    std::vector<uint32_t> positions;

    bool contains(int32_t n) const { return n >= 0 && n <= size; }
};

struct NameEntry {
    int32_t slot;
    char type;  // '1' integer, '2' float, '3' string
    bool array;
    int32_t highestIndex;
    std::string name;
};

inline constexpr uint32_t noData = UINT32_MAX;

struct Image {
    // The text, NUL-terminated and padded, so that a reader that looks a few
    // characters ahead of a truncated code never leaves the buffer.
    std::vector<char> buffer;
    uint32_t length = 0;
    TrailerSettings trailer;
    PositionTable labels, trueTargets, falseTargets, procedures;
    uint32_t dataPointer = noData;
    std::vector<NameEntry> names;  // image order; the last record for a slot wins
    // The decoded codes, filled at load for every code the scan meets; any
    // other position a damaged image leads to is decoded where it is met.
    DecodedTable codes;

    const char* text() const { return buffer.data(); }
};

// Reads, checks and scans the image file. On failure the image is unusable
// and the error names the reason.
std::optional<RunError> loadImage(const std::string& path, Image& image);

// Same, for an image already in memory (CR LF already folded).
std::optional<RunError> loadImageText(std::string_view text, Image& image);

// The decoded table as the evaluator's loops read it.
struct CodeTable {
    explicit CodeTable(const Image& image) : image(image), codes(image.codes.view()) {}

    // The code at pos, as the evaluator reads it: from the table, or decoded now.
    CodeAt at(uint32_t pos) const {
        if (const DecodedCode* c = codes.find(pos)) return {*c, pos + c->width};
        return decodedAt(image, pos);
    }

    const Image& image;
    const DecodedTable::View codes;
};
