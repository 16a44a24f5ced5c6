#include "archive_file.h"

#include <algorithm>

namespace {

// Only this many characters of a line's text are kept; the rest are dropped.
constexpr std::size_t textLimit = 256;

}  // namespace

int32_t nextRecordNumber(const std::deque<ArchiveRecord>& records) {
    int32_t highest = 0;
    for (const ArchiveRecord& r : records) highest = std::max(highest, r.number);
    // Wraps like the 32-bit number it is instead of overflowing.
    return static_cast<int32_t>(static_cast<uint32_t>(highest) + 1u);
}

void readArchiveFile(std::FILE* f, std::deque<ArchiveRecord>& records) {
    uint32_t number = 0;  // unsigned so that a garbage line wraps instead of overflowing
    std::string text;
    bool sawColon = false;
    for (;;) {
        const int c = std::fgetc(f);
        const bool endOfFile = c == EOF || c == 0 || c == 255;
        if (endOfFile || c == '\n') {
            if (sawColon) {
                const int32_t n = static_cast<int32_t>(number);
                records.push_front({n != 0 ? n : nextRecordNumber(records), text});
            }
            if (endOfFile) return;
            number = 0;
            text.clear();
            sawColon = false;
        } else if (!sawColon) {
            // Digits are not checked: any character adds its distance from '0'.
            if (c == ':') sawColon = true;
            else number = number * 10u + static_cast<uint32_t>(c - '0');
        } else if (text.size() < textLimit) {
            text.push_back(static_cast<char>(c));
        }
    }
}

bool writeArchiveFile(std::FILE* f, const std::deque<ArchiveRecord>& records) {
    for (const ArchiveRecord& r : records) {
        const int written = r.text ? std::fprintf(f, "%d:%s\n", r.number, r.text->c_str()) : std::fprintf(f, "%d:\n", r.number);
        if (written < 0) return false;
    }
    return true;
}
