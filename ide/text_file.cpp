#include "text_file.h"

#include <sys/stat.h>

namespace {

void appendUtf8(std::string& out, unsigned char c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool decodeUtf8(std::string_view bytes, std::u32string& codePoints) {
    codePoints.clear();
    codePoints.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int follow = 0;
        char32_t point = lead;
        char32_t smallest = 0;
        if (lead < 0x80) {
        } else if ((lead & 0xE0) == 0xC0) {
            follow = 1, point = lead & 0x1F, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            follow = 2, point = lead & 0x0F, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            follow = 3, point = lead & 0x07, smallest = 0x10000;
        } else {
            return false;
        }
        if (follow > 0 && i + static_cast<size_t>(follow) >= bytes.size()) return false;
        for (int k = 1; k <= follow; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]);
            if ((next & 0xC0) != 0x80) return false;
            point = (point << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and points past Unicode are not UTF-8.
        if (point < smallest || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) return false;
        codePoints += point;
        i += static_cast<size_t>(follow) + 1;
    }
    return true;
}

TextFileContents readTextFile(std::string_view bytes) {
    TextFileContents file;
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(byteOrderMark)) {
        file.form.byteOrderMark = true;
        bytes.remove_prefix(byteOrderMark.size());
    }
    file.binary = bytes.find('\0') != std::string_view::npos;
    std::string latin1;
    std::u32string points;
    bool high = false;
    for (char c : bytes) high = high || static_cast<unsigned char>(c) >= 0x80;
    if (!file.binary && (high || file.form.byteOrderMark) && decodeUtf8(bytes, points)) {
        file.form.utf8 = true;
        latin1.reserve(points.size());
        for (char32_t point : points) {
            if (point > 0xFF) file.beyondLatin1 = true;
            latin1 += point > 0xFF ? '?' : static_cast<char>(point);
        }
        bytes = latin1;
    }
    const size_t firstEnd = bytes.find('\n');
    if (firstEnd != std::string_view::npos && (firstEnd == 0 || bytes[firstEnd - 1] != '\r'))
        file.form.lineEnd = LineEnd::Lf;
    file.form.finalLineEnd = !bytes.empty() && bytes.back() == '\n';
    file.lines = splitLines(bytes);
    return file;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string writeTextFile(const std::vector<std::string>& lines, const TextFileForm& form) {
    const std::string_view lineEnd = form.lineEnd == LineEnd::CrLf ? "\r\n" : "\n";
    std::string bytes = form.byteOrderMark ? "\xEF\xBB\xBF" : "";
    for (size_t i = 0; i < lines.size(); ++i) {
        if (form.utf8)
            for (char c : lines[i]) appendUtf8(bytes, static_cast<unsigned char>(c));
        else
            bytes += lines[i];
        if (i + 1 < lines.size() || form.finalLineEnd) bytes += lineEnd;
    }
    return bytes;
}

FileStamp stampOf(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return {};
    return {true, static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec,
            static_cast<long long>(info.st_size), static_cast<unsigned long long>(info.st_ino)};
}
