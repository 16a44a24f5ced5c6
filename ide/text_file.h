// The bytes of a source file and the document's 8-bit lines: how a file is
// read, and how it is written back in the form it came in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class LineEnd { CrLf, Lf };

// What is kept of a file's form so that saving it changes only what was edited.
struct TextFileForm {
    LineEnd lineEnd = LineEnd::CrLf;  // new documents end their lines with CR LF
    bool utf8 = false;                // characters above 127 are written as UTF-8
    bool byteOrderMark = false;       // the file began with UTF-8's byte order mark, written back
    bool finalLineEnd = true;         // the last line is followed by a line end
};

struct TextFileContents {
    std::vector<std::string> lines;  // Latin-1, without line ends, tabs as in the file
    TextFileForm form;
    bool binary = false;            // it holds NUL bytes: no program text, never saved over
    bool beyondLatin1 = false;      // UTF-8 with characters Latin-1 cannot hold, shown as "?"
};

// UTF-8 is taken when every byte sequence is valid UTF-8 and at least one byte is above 127;
// anything else is read as 8-bit text byte for byte.
TextFileContents readTextFile(std::string_view bytes);
// Lines ended by LF or CR LF; the line ends are removed.
std::vector<std::string> splitLines(std::string_view text);
std::string writeTextFile(const std::vector<std::string>& lines, const TextFileForm& form);

// The code point of each UTF-8 sequence, or false when the bytes are not valid UTF-8.
bool decodeUtf8(std::string_view bytes, std::u32string& codePoints);

// What tells whether a file was changed on disk since it was read or written.
struct FileStamp {
    bool exists = false;
    long long modifiedNs = 0;
    long long size = 0;
    unsigned long long inode = 0;  // a save by rename gives a new one
    bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(const std::string& path);
