#include "image.h"

#include "numbers.h"

#include <algorithm>
#include <cstdio>
#include <new>

namespace {

// Longer than the widest fixed skip (16), so that a code cut off at the end
// of the text still lands inside the buffer, on a NUL.
constexpr uint32_t padding = 32;
constexpr uint32_t recordWidth = 6;
constexpr size_t maxNameLength = 32;

int32_t field(const Image& image, uint32_t pos) { return readField(image.text(), image.length, pos); }

// What four digits can give.
bool isFieldValue(int32_t value) { return value >= 0 && value <= 9999; }

std::optional<RunError> readTrailer(Image& image) {
    const char* text = image.text();
    const uint32_t end = image.length;
    if (end < recordWidth || text[end - 6] != 'w' || text[end - 5] != 'x') return RunError::ProgramError;
    const int32_t count = field(image, end - 4);
    if (count < 1 || static_cast<uint64_t>(count) * recordWidth > end) return RunError::ProgramError;

    TrailerSettings& t = image.trailer;
    for (uint32_t pos = end - static_cast<uint32_t>(count) * recordWidth; pos + recordWidth <= end; pos += recordWidth) {
        if (text[pos] != 'w') break;
        const int32_t value = field(image, pos + 2);
        switch (text[pos + 1]) {
            // A size field of other characters than digits could ask for a
            // screen of billions of pixels: the trailer is broken.
            case '1':
                if (!isFieldValue(value)) return RunError::ProgramError;
                t.width = value;
                break;
            case '2':
                if (!isFieldValue(value)) return RunError::ProgramError;
                t.height = value;
                break;
            case '3': t.orientation = value; break;
            case '4': t.orientationFree = value; break;
            case '5': t.touchScreen = value; break;
            case '6': t.joypadUsed = value; break;
            case '7': t.highestLabel = value; break;
            case '8': t.trueTargetCount = value; break;
            case '9': t.falseTargetCount = value; break;
            case 'A': t.highestProcedure = value; break;
            case 'x': return std::nullopt;
            default: break;  // unknown records are skipped
        }
    }
    return std::nullopt;
}

void sizeTable(PositionTable& table, int32_t size) {
    table.size = size;
    table.positions.assign(static_cast<size_t>(size < 0 ? 0 : size) + 1, 0);
}

std::optional<RunError> recordMark(const Image& image, PositionTable& table, uint32_t pos) {
    const int32_t n = field(image, pos + 2);
    if (!table.contains(n)) return RunError::ProgramLocationError;
    table.positions[static_cast<size_t>(n)] = pos + 6;
    return std::nullopt;
}

// "vn" "v" T dddd name newline, or "vn" "a" T dddd "_" dddd name newline.
void recordName(Image& image, uint32_t pos, uint32_t lineEnd) {
    const char* text = image.text();
    NameEntry entry{};
    entry.array = text[pos + 2] == 'a';
    entry.type = text[pos + 3];
    entry.slot = field(image, pos + 4);
    uint32_t namePos = pos + 8;
    if (entry.array) {
        entry.highestIndex = field(image, pos + 9);
        namePos = pos + 13;
    }
    for (uint32_t p = namePos; p < lineEnd && entry.name.size() < maxNameLength; ++p)
        if (text[p] != ' ') entry.name.push_back(text[p]);
    if (!entry.name.empty()) image.names.push_back(std::move(entry));
}

std::optional<RunError> buildTables(Image& image) {
    const TrailerSettings& t = image.trailer;
    sizeTable(image.labels, t.highestLabel);
    sizeTable(image.trueTargets, t.trueTargetCount);
    sizeTable(image.falseTargets, t.falseTargetCount);
    sizeTable(image.procedures, t.highestProcedure);

    const char* text = image.text();
    uint32_t pos = 0;
    while (pos < image.length && text[pos] != '\0') {
        const char c = text[pos], variant = text[pos + 1];
        std::optional<RunError> fault;
        if (c == '~' && variant == 'a') fault = recordMark(image, image.labels, pos);
        else if (c == '~' && variant == 'd') fault = recordMark(image, image.procedures, pos);
        else if (c == 'q' && variant == '4') fault = recordMark(image, image.trueTargets, pos);
        else if (c == 'q' && variant == '5') fault = recordMark(image, image.falseTargets, pos);
        else if (c == 'h' && variant != '4' && image.dataPointer == noData) image.dataPointer = pos;
        if (fault) return fault;

        const std::optional<uint32_t> next = skipCode(image, pos);
        if (!next) return RunError::ProgramError;
        if (c == 'v' && variant == 'n') recordName(image, pos, *next - 1);
        pos = *next;
    }
    return std::nullopt;
}

// Decodes every code the scan meets, once the position tables give the jumps
// their targets.
void decodeCodes(Image& image) {
    image.codes.reset(image.length);
    const char* text = image.text();
    for (uint32_t pos = 0; pos < image.length && text[pos] != '\0';) {
        const CodeAt at = decodedAt(image, pos);
        if (at.code.width != 0 || at.next == pos) image.codes.append(pos, at.code);
        pos = *skipCode(image, pos);
    }
    image.codes.complete();
}

}  // namespace

std::optional<RunError> loadImageText(std::string_view text, Image& image) {
    image = Image{};
    if (text.size() > UINT32_MAX - padding) return RunError::OutOfMemory;
    try {
        image.buffer.assign(text.begin(), text.end());
        image.buffer.resize(text.size() + padding, '\0');
    } catch (const std::bad_alloc&) {
        return RunError::OutOfMemory;
    }
    image.length = static_cast<uint32_t>(text.size());

    if (image.length < recordWidth) return RunError::ProgramError;
    if ((text[1] - '0') * 10 + (text[2] - '0') != 1) return RunError::IncompatibleVersion;
    if (auto fault = readTrailer(image)) return fault;
    try {
        if (auto fault = buildTables(image)) return fault;
        decodeCodes(image);
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return RunError::OutOfMemory;
    }
}

std::optional<RunError> loadImage(const std::string& path, Image& image) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return RunError::CannotFindImage;
    std::string text;
    try {
        if (std::fseek(file, 0, SEEK_END) == 0) {
            const long size = std::ftell(file);
            if (size > 0 && static_cast<unsigned long>(size) < UINT32_MAX - padding) text.reserve(static_cast<size_t>(size));
            std::fseek(file, 0, SEEK_SET);
        }
        // Text mode: a CR LF pair reads as one newline. Reading stops after a NUL,
        // which is kept, so an image with a NUL inside fails its trailer check.
        for (int c; (c = std::fgetc(file)) != EOF;) {
            if (c == '\r') {
                const int next = std::fgetc(file);
                if (next == '\n') c = '\n';
                else if (next != EOF) std::ungetc(next, file);
            }
            if (text.size() >= UINT32_MAX - padding) break;
            text.push_back(static_cast<char>(c));
            if (c == '\0') break;
        }
    } catch (const std::bad_alloc&) {
        std::fclose(file);
        return RunError::OutOfMemory;
    }
    std::fclose(file);
    return loadImageText(text, image);
}
