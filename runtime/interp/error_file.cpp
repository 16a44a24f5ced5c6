// The error file: how the run ended, then the named global variables.
#include "report.h"

#include "replace_file.h"
#include "work_protocol.h"

#include <cstdio>
#include <vector>

namespace {

// For each slot of one table, the name record that names it (the last one in
// the image wins), or null.
std::vector<const NameEntry*> namesBySlot(const Image& image, char type, size_t count) {
    std::vector<const NameEntry*> bySlot(count, nullptr);
    for (const NameEntry& entry : image.names)
        if (entry.type == type && entry.slot >= 0 && static_cast<size_t>(entry.slot) < count)
            bySlot[static_cast<size_t>(entry.slot)] = &entry;
    return bySlot;
}

// Visits the named slots in slot order: a scalar by its name, and each slot of
// an array run by the array's name and its element number counted from 1.
template <typename PrintSlot>
void dumpTable(const Image& image, char type, int32_t count, PrintSlot printSlot) {
    if (count <= 0) return;
    const auto names = namesBySlot(image, type, static_cast<size_t>(count));
    const NameEntry* run = nullptr;
    int32_t element = 0;
    for (int32_t slot = 0; slot < count; ++slot) {
        if (const NameEntry* entry = names[static_cast<size_t>(slot)]) {
            run = entry->array ? entry : nullptr;
            element = 0;
            if (!run) printSlot(slot, entry->name, 0);
        }
        if (run) {
            printSlot(slot, run->name, ++element);
            if (element > run->highestIndex) run = nullptr;
        }
    }
}

void writeName(FILE* f, const std::string& name, const char* suffix, int32_t element) {
    std::fprintf(f, "%s%s", name.c_str(), suffix);
    if (element > 0) std::fprintf(f, "(%d)", element);
}

// The error line, then the dump; false when a write failed.
bool writeErrorLines(FILE* f, const Interp& in) {
    const std::string line = withScreenSize(in.errorLine, in.screenWidth, in.screenHeight);
    std::fwrite(line.data(), 1, line.size(), f);
    std::fputs("\r\n", f);

    const VariableTables& g = in.globals;
    if (!g.ints.empty())
        dumpTable(in.image, '1', in.globalCounts[0], [&](int32_t slot, const std::string& name, int32_t element) {
            writeName(f, name, "", element);
            std::fprintf(f, "=%d\r\n", g.ints[static_cast<size_t>(slot)]);
        });
    if (!g.floats.empty())
        dumpTable(in.image, '2', in.globalCounts[1], [&](int32_t slot, const std::string& name, int32_t element) {
            writeName(f, name, "#", element);
            std::fprintf(f, "=%f\r\n", static_cast<double>(g.floats[static_cast<size_t>(slot)]));
        });
    if (!g.strings.empty())
        dumpTable(in.image, '3', in.globalCounts[2], [&](int32_t slot, const std::string& name, int32_t element) {
            writeName(f, name, "$", element);
            const std::string& text = g.strings[static_cast<size_t>(slot)];
            std::fputs("=\"", f);
            std::fwrite(text.data(), 1, text.size(), f);
            std::fputs("\"\r\n", f);
        });
    return std::ferror(f) == 0;
}

}  // namespace

bool writeErrorFile(const Interp& in) {
    if (in.errorFilePath.empty()) return true;  // a run without a work folder (the fuzz harness)
    return replaceFile(in.errorFilePath, [&](FILE* f) { return writeErrorLines(f, in); });
}
