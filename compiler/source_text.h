// Source and Include files as editors write them: a UTF-8 byte-order mark,
// UTF-8 or Latin-1 text, and CR, LF or CR LF line ends. The compiler works on
// the 8-bit (Latin-1) text that the image and the phone font use.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The largest source or Include file read; a program of 16,000 full lines
// fits in a quarter of it, and /dev/zero or a runaway file cannot fill memory.
inline constexpr std::uintmax_t sourceFileLimit = 4u << 20;

// Reads a regular file of at most sourceFileLimit bytes; false, with the
// reason, for anything else (a device, a FIFO, a folder, a larger file).
bool readSourceFile(const std::filesystem::path& path, std::string& bytes, std::string& reason);

struct SourceText {
    std::string text;        // Latin-1, lines ended by LF
    int badLine = 0;         // the line of a character outside Latin-1, 1 and up; 0 when none
    char32_t badCharacter = 0;
};

// The mark is skipped; text that is valid UTF-8 with non-ASCII characters is
// read as UTF-8 and mapped to Latin-1, any other text is taken as Latin-1;
// CR LF and a lone CR become LF.
SourceText decodeSourceText(std::string_view bytes);

// The compile error's text for a character outside Latin-1: "U+20AC is not a
// Latin-1 character".
std::string outsideLatin1Text(char32_t character);
