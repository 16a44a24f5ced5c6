// Statements that name files: the load statements and Include.
#include "compile_messages.h"
#include "compiler.h"
#include "source_files.h"
#include "statement_keywords.h"
#include "statement_operands.h"

namespace {

constexpr long long maxImageSlot = 9999;

int expectComma(Compiler& c) {
    if (c.cur->peek() != ',') return fail(c, CommaExpected);
    c.cur->advance();
    return NoError;
}

int readImageSlot(Compiler& c, long long& slot) {
    if (int e = readConstant(c, RealNumberExpected, slot)) return e;
    if (slot < 1 || slot > maxImageSlot) return fail(c, ImageNumberOutOfRange);
    return NoError;
}

// Frame width, height and count of an image strip, from its ".xmg" descriptor:
// an upper-case X, Y or C, one separator character, and a decimal number.
struct FrameLayout {
    long long width = -1, height = -1, count = -1;
    bool complete() const { return width >= 0 && height >= 0 && count >= 0; }
};

FrameLayout readDescriptor(const std::string& text) {
    FrameLayout layout;
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        char key = text[i];
        if (key != 'X' && key != 'Y' && key != 'C') continue;
        std::size_t j = i + 2;
        if (!isDigit(text[j])) continue;
        long long value = 0;
        while (j < text.size() && isDigit(text[j])) value = std::min(value * 10 + (text[j++] - '0'), 1LL << 40);
        (key == 'X' ? layout.width : key == 'Y' ? layout.height : layout.count) = value;
    }
    return layout;
}

// The count, width and height that follow the first slot of LoadMultiImage.
int readFrameLayout(Compiler& c, FrameLayout& layout) {
    if (int e = expectComma(c)) return e;
    if (int e = readConstant(c, RealNumberExpected, layout.count)) return e;
    if (int e = expectComma(c)) return e;
    if (int e = readConstant(c, RealNumberExpected, layout.width)) return e;
    if (int e = expectComma(c)) return e;
    if (int e = readConstant(c, RealNumberExpected, layout.height)) return e;
    return NoError;
}

int checkFrameLayout(Compiler& c, long long slot, const FrameLayout& layout) {
    if (layout.count < 1 || slot + layout.count > maxImageSlot) return fail(c, ImageNumberOutOfRange);
    // Width and height are written in four-digit fields.
    if (layout.width < 0 || layout.width > maxImageSlot || layout.height < 0 || layout.height > maxImageSlot)
        return fail(c, ImageNumberOutOfRange);
    return NoError;
}

int compileLoadImage(Compiler& c, const std::string& name) {
    long long slot = 0;
    if (!hasExtension(name, "xmg")) {
        if (!hasExtension(name, "png")) return fail(c, ImagesMustBePng);
        if (int e = expectComma(c)) return e;
        if (int e = readImageSlot(c, slot)) return e;
        c.out.loadImage(int(slot), name);
        return NoError;
    }
    std::string descriptor;
    if (!readWholeFile(sourceRelative(c, name), descriptor)) return fail(c, CannotOpenFile);
    std::string png = name.substr(0, name.rfind('.') + 1) + "png";
    if (int e = requireFile(c, png, true)) return e;
    if (int e = expectComma(c)) return e;
    if (int e = readImageSlot(c, slot)) return e;
    FrameLayout layout = readDescriptor(descriptor);
    if (!layout.complete())
        if (int e = readFrameLayout(c, layout)) return e;
    if (int e = checkFrameLayout(c, slot, layout)) return e;
    c.out.loadMultiImage(int(slot), int(layout.count), int(layout.width), int(layout.height), png);
    return NoError;
}

int compileLoadMultiImage(Compiler& c, const std::string& name) {
    if (!hasExtension(name, "png")) return fail(c, ImagesMustBePng);
    long long slot = 0;
    if (int e = expectComma(c)) return e;
    if (int e = readImageSlot(c, slot)) return e;
    FrameLayout layout;
    if (int e = readFrameLayout(c, layout)) return e;
    if (int e = checkFrameLayout(c, slot, layout)) return e;
    c.out.loadMultiImage(int(slot), int(layout.count), int(layout.width), int(layout.height), name);
    return NoError;
}

int compileLoadSound(Compiler& c, int keyword, const std::string& name) {
    static constexpr std::string_view extensions[] = {"wav", "mp3", "mid"};
    if (!hasExtension(name, extensions[keyword - KwLoadWav])) return fail(c, IncompatibleAudioFormat);
    if (int e = expectComma(c)) return e;
    long long slot = 0;
    if (int e = readConstant(c, RealNumberExpected, slot)) return e;
    long long highest = keyword == KwLoadWav ? 64 : 8;
    if (slot < 1 || slot > highest) return fail(c, SoundSlotOutOfRange);
    c.out.loadSound(keyword, int(slot), name);
    return NoError;
}

}  // namespace

int compileResourceStatement(Compiler& c, int keyword) {
    std::string name;
    if (int e = readFileName(c, name)) return e;
    if (int e = requireFile(c, name, !(keyword == KwLoadImage && hasExtension(name, "xmg")))) return e;
    switch (keyword) {
    case KwLoadImage: return compileLoadImage(c, name);
    case KwLoadMultiImage: return compileLoadMultiImage(c, name);
    case KwLoadMap:
        c.out.loadMap(name);
        return NoError;
    default: return compileLoadSound(c, keyword, name);
    }
}

int compileIncludeStatement(Compiler& c) {
    std::string name;
    if (int e = readFileName(c, name)) return e;
    return pushInclude(c, name);
}
