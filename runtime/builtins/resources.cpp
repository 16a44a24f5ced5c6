#include "resources.h"

#include "file_names.h"
#include "groups.h"
#include "numbers.h"
#include "report.h"

#include <algorithm>
#include <cstdio>

namespace {

// The numbers after the code: one slot, or for `z1` the first slot, the frame
// count and the frame size.
struct ResourceCode {
    char kind;
    int32_t numbers[4];
    std::string fileName;
};

ResourceCode readResourceCode(Interp& in) {
    const Image& image = in.image;
    const char* text = image.text();
    const uint32_t pos = in.position;
    ResourceCode code{text[pos + 1], {}, {}};
    const int fields = code.kind == '1' ? 4 : 1;
    for (int i = 0; i < fields; ++i) code.numbers[i] = readField(text, image.length, pos + 2 + 5 * static_cast<uint32_t>(i));
    const uint32_t nameStart = std::min(pos + 2 + 5 * static_cast<uint32_t>(fields) - 1, image.length);
    const uint32_t end = skipPast(image, nameStart, '"');
    const uint32_t nameEnd = (end > nameStart && text[end - 1] == '"') ? end - 1 : end;
    code.fileName.assign(text + nameStart, nameEnd - nameStart);
    in.position = end;
    return code;
}

bool canOpen(const std::string& fileName) {
    FILE* f = std::fopen(fileName.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

// What each load reports when its file cannot be loaded.
RunError cannotLoad(char kind) {
    switch (kind) {
        case '0':
        case '1': return RunError::FailedToLoadImage;
        case '2': return RunError::CannotLoadWav;
        case '3': return RunError::CannotLoadMp3;
        case '4': return RunError::CannotLoadMidi;
        default: return RunError::FileIoError;
    }
}

}  // namespace

void loadResourceCode(Interp& in) {
    const ResourceCode code = readResourceCode(in);
    if (!namesAFile(code.fileName)) {
        report(in, cannotLoad(code.kind));
        return;
    }
    if (!canOpen(code.fileName)) {
        report(in, RunError::FileNotFound);
        return;
    }
    if (code.kind == '0' || code.kind == '1') loadImageResource(in, code.kind, code.numbers, code.fileName);
    else if (code.kind >= '2' && code.kind <= '4') loadSoundResource(in, code.kind, code.numbers[0], code.fileName);
    else if (code.kind == '5') loadMapResource(in, code.fileName);
}
