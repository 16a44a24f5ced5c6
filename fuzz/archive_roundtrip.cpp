// Any bytes as an archive file, opened, edited as a program would, closed and
// opened again: the second open must give back every record the first close
// wrote, in reverse order with the same numbers, a deleted entry as an empty
// text.
// Input: a flags byte (bit 0: open with mode 1, bit 1: the file exists), a
// two-byte file length and the file, then edits: a kind byte (add, set,
// delete, get), for set, delete and get a number byte, for add and set a text
// length byte and the text.
#include "archives.h"
#include "work_folder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

struct Input {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    bool more() const { return at < size; }
    uint8_t byte() { return at < size ? data[at++] : 0; }
    std::string_view bytes(size_t n) {
        n = std::min(n, size - at);
        const std::string_view s(reinterpret_cast<const char*>(data + at), n);
        at += n;
        return s;
    }
};

// A number byte names an existing record (below 128) or a small number of its own.
int32_t recordNumber(const Archives& a, uint8_t b) {
    if (b < 128 && !a.records.empty()) return a.records[b % a.records.size()].number;
    return int32_t(b) - 192;
}

// Whether a close writes the records so that an open reads back exactly them:
// numbers that read back as written, texts on one line within the length kept.
bool readsBack(const std::deque<ArchiveRecord>& records) {
    return std::all_of(records.begin(), records.end(), [](const ArchiveRecord& r) {
        return r.number > 0 && (!r.text || (r.text->size() <= 256 && r.text->find_first_of(std::string("\n\0\xff", 3)) == std::string::npos));
    });
}

int32_t textCount(const Archives& a) {
    return int32_t(std::count_if(a.records.begin(), a.records.end(), [](const ArchiveRecord& r) { return r.text.has_value(); }));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string name = "scores";
    const std::string file = fuzzWorkFolder() + "/scores.rs";
    Input in{data, size};
    const uint8_t flags = in.byte();
    const size_t fileLength = size_t(in.byte()) | size_t(in.byte()) << 8;
    const std::string_view fileText = in.bytes(fileLength);
    std::remove(file.c_str());
    if (flags & 2) {
        std::FILE* f = std::fopen(file.c_str(), "wb");
        check(f && std::fwrite(fileText.data(), 1, fileText.size(), f) == fileText.size() && std::fclose(f) == 0);
    }

    Archives a;
    a.folder = fuzzWorkFolder();
    const int32_t mode = flags & 1;
    const ArchiveResult opened = openArchive(a, name, mode);
    if (opened) {
        check(*opened == RunError::ArchiveNotFound && mode == 0 && !(flags & 2));
        check(addEntry(a, "x") == RunError::ArchiveNotOpen && closeArchive(a) == RunError::ArchiveNotOpen);
        return 0;
    }
    check(openArchive(a, name, 1) == RunError::ArchiveIsOpen);

    for (int edits = 0; in.more() && edits < 64; ++edits) {
        const uint8_t kind = in.byte() % 4;
        const int32_t number = kind == 0 ? 0 : recordNumber(a, in.byte());
        const std::string_view text = kind < 2 ? in.bytes(in.byte()) : std::string_view();
        std::string got;
        switch (kind) {
            case 0:
                check(!addEntry(a, text));
                check(!getEntry(a, a.records.front().number, got) && got == text);
                break;
            case 1:
                check(!setEntry(a, number, text));
                break;
            case 2:
                check(!deleteEntry(a, number));
                check(!getEntry(a, number, got) && got.empty());
                break;
            default:
                check(!getEntry(a, number, got));
                break;
        }
        int32_t count = -1;
        check(!entryCount(a, count) && count == textCount(a));
    }

    const std::deque<ArchiveRecord> written = a.records;
    check(!closeArchive(a) && a.records.empty());
    check(closeArchive(a) == RunError::ArchiveNotOpen);
    check(!openArchive(a, name, 0) || (written.empty() && !(flags & 2)));
    if (!written.empty() && readsBack(written)) {
        check(a.records.size() == written.size());
        for (size_t i = 0; i < written.size(); ++i) {
            const ArchiveRecord& before = written[written.size() - 1 - i];
            check(a.records[i].number == before.number && a.records[i].text == before.text.value_or(""));
        }
    }
    check(!deleteArchive(a, name) || (written.empty() && !(flags & 2)));
    return 0;
}
