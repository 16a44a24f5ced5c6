#include "source_text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Length of the UTF-8 sequence at text[i] and its character; 0 when it is not
// a well-formed sequence (overlong forms and surrogates included).
std::size_t utf8Sequence(std::string_view text, std::size_t i, char32_t& character) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                       : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return 0;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        unsigned char next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    character = c;
    return length;
}

bool isUtf8WithNonAscii(std::string_view text) {
    bool nonAscii = false;
    for (std::size_t i = 0; i < text.size();) {
        char32_t c;
        std::size_t n = utf8Sequence(text, i, c);
        if (n == 0) return false;
        nonAscii = nonAscii || n > 1;
        i += n;
    }
    return nonAscii;
}

// Appends one character, turning CR LF and a lone CR into LF.
void appendCharacter(SourceText& out, char32_t c, bool& afterCr) {
    if (c == '\n' && afterCr) {
        afterCr = false;
        return;
    }
    afterCr = c == '\r';
    out.text += c == '\r' ? '\n' : static_cast<char>(c);
}

}  // namespace

bool readSourceFile(const std::filesystem::path& path, std::string& bytes, std::string& reason) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        reason = std::strerror(errno);
        if (fd >= 0) ::close(fd);
        return false;
    }
    if (!S_ISREG(info.st_mode) || std::uintmax_t(info.st_size) > sourceFileLimit) {
        reason = S_ISREG(info.st_mode) ? "larger than " + std::to_string(sourceFileLimit) + " bytes"
                                       : std::string("not a regular file");
        ::close(fd);
        return false;
    }
    // Read to the end, not to the size seen: a file that grows is cut at the limit.
    bytes.clear();
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            reason = std::strerror(errno);
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        bytes.append(buffer, std::size_t(n));
        if (bytes.size() > sourceFileLimit) {
            reason = "larger than " + std::to_string(sourceFileLimit) + " bytes";
            ::close(fd);
            return false;
        }
    }
    ::close(fd);
    return true;
}

SourceText decodeSourceText(std::string_view bytes) {
    if (bytes.starts_with(byteOrderMark)) bytes.remove_prefix(byteOrderMark.size());
    SourceText out;
    out.text.reserve(bytes.size());
    bool afterCr = false;
    if (!isUtf8WithNonAscii(bytes)) {
        for (char ch : bytes) appendCharacter(out, static_cast<unsigned char>(ch), afterCr);
        return out;
    }
    int line = 1;
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        i += utf8Sequence(bytes, i, c);
        if (c > 0xFF && out.badLine == 0) {
            out.badLine = line;
            out.badCharacter = c;
        }
        std::size_t before = out.text.size();
        appendCharacter(out, c > 0xFF ? '?' : c, afterCr);
        if (out.text.size() > before && out.text.back() == '\n') ++line;
    }
    return out;
}

std::string outsideLatin1Text(char32_t character) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", unsigned(character));
    return std::string(code) + " is not a Latin-1 character";
}
