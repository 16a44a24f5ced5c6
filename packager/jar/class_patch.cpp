#include "class_patch.h"

#include "listing.h"
#include "template_layout.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

namespace {

namespace layout = templateLayout;

// The template is copied byte by byte; the window holds the last bytes written.
struct Copier {
    const std::vector<std::uint8_t>& in;
    std::vector<std::uint8_t>& out;
    std::size_t pos = 0;

    bool atEnd() const { return pos >= in.size(); }

    bool copyByte() {
        if (atEnd()) return false;
        out.push_back(in[pos++]);
        return true;
    }

    template <std::size_t N>
    bool outputEndsWith(const std::array<std::uint8_t, N>& bytes) const {
        return out.size() >= N && std::equal(bytes.begin(), bytes.end(), out.end() - N);
    }

    // Copies until the output ends with the sequence; false at the end of the template.
    template <std::size_t N>
    bool copyThrough(const std::array<std::uint8_t, N>& bytes) {
        while (!outputEndsWith(bytes))
            if (!copyByte()) return false;
        return true;
    }

    bool read(int count, std::uint32_t& value) {
        if (pos + count > in.size()) return false;
        value = 0;
        for (int i = 0; i < count; ++i) value = (value << 8) | in[pos++];
        return true;
    }

    bool copy(std::size_t count) {
        if (pos + count > in.size()) return false;
        out.insert(out.end(), in.begin() + pos, in.begin() + pos + count);
        pos += count;
        return true;
    }

    void write(int count, std::uint32_t value) {
        for (int i = count - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
};

struct Method {
    int size;            // listing bytes
    int frames;          // distinct label positions
    int frameSize;       // bytes per frame
    int maxLocals;
    int insertOffset;
};

// A method's code must stay below 65536 bytes, and its frame offsets and
// count are 16-bit numbers: a listing beyond them cannot make a valid class.
constexpr std::uint32_t codeLimit = 65535;

// The head of the Code attribute: lengths grow by the listing and its frames.
bool rewriteCodeHead(Copier& c, const Method& m) {
    std::uint32_t attributeLength = 0, ignored = 0, codeLength = 0;
    if (!c.read(4, attributeLength)) return false;
    c.write(4, (attributeLength & 0xFFFF) + m.size + m.frameSize * m.frames);
    if (!c.read(2, ignored) || !c.read(2, ignored)) return false;
    c.write(2, layout::maxStack);
    c.write(2, m.maxLocals);
    if (!c.read(4, codeLength)) return false;
    if ((codeLength & 0xFFFF) + m.size > codeLimit) return false;
    c.write(4, (codeLength & 0xFFFF) + m.size);
    return true;
}

// The bytes appendFrame writes per frame: offset, local count, the locals
// (an object is three bytes, a primitive one) and an empty stack.
constexpr int mainFrameSize = 2 + 2 + (3 + 4 + 3 + 3 + 3) + 2;
constexpr int procFrameSize = 2 + 2 + (3 + 3 + 5 + 3 + 3) + 2;

void appendFrame(std::vector<std::uint8_t>& out, int offset, bool procedure) {
    auto u2 = [&](int v) {
        out.push_back(static_cast<std::uint8_t>(v >> 8));
        out.push_back(static_cast<std::uint8_t>(v));
    };
    constexpr std::uint8_t integer = 1, floating = 2, longInteger = 4, object = 7;
    auto objectOf = [&](int poolIndex) {
        out.push_back(object);
        u2(poolIndex);
    };
    u2(offset);
    if (!procedure) {
        u2(8);
        objectOf(layout::canvasClass);
        out.insert(out.end(), {longInteger, longInteger, floating, floating});
        objectOf(layout::secondKindClass);
        objectOf(layout::secondKindClass);
        objectOf(layout::thirdKindClass);
    } else {
        u2(9);
        objectOf(layout::canvasClass);
        objectOf(layout::thirdKindClass);
        out.insert(out.end(), {integer, longInteger, longInteger, floating, floating});
        objectOf(layout::secondKindClass);
        objectOf(layout::secondKindClass);
    }
    u2(0);
}

// After the code: the exception table must be empty; the StackMap gets the listing's frames.
bool rewriteCodeTail(Copier& c, const Method& m, const LabelTable& labels, bool procedure) {
    std::uint32_t tableAndCount = 0;
    if (!c.read(4, tableAndCount)) return false;
    c.write(4, tableAndCount);
    bool stackMapSeen = false;
    for (std::uint32_t a = 0; a < (tableAndCount & 0xFFFF); ++a) {
        std::uint32_t name = 0, length = 0;
        if (!c.read(2, name)) return false;
        c.write(2, name);
        if (!c.read(4, length)) return false;
        if (name != layout::stackMapName) {
            c.write(4, length);
            if (!c.copy(length)) return false;
            continue;
        }
        std::uint32_t entries = 0;
        if (length < 2 || !c.read(2, entries) || entries + m.frames > codeLimit) return false;
        c.write(4, length + m.frameSize * m.frames);
        c.write(2, entries + m.frames);
        if (!c.copy(length - 2)) return false;
        for (const ListingLabel& r : labels)
            if (!r.repeat) appendFrame(c.out, r.position + m.insertOffset, procedure);
        stackMapSeen = true;
    }
    return stackMapSeen || m.frames == 0;
}

}  // namespace

bool patchGameClass(const std::vector<std::uint8_t>& templateBytes, std::string_view mainListing,
                    std::string_view procListing, std::vector<std::uint8_t>& out) {
    out.clear();
    out.reserve(templateBytes.size() + mainListing.size() + procListing.size());
    Copier c{templateBytes, out};

    LabelTable labels = buildLabelTable(mainListing);
    Method main{listingSize(mainListing), frameCount(labels), mainFrameSize, layout::mainMaxLocals,
                layout::mainInsertOffset};
    if (!c.copyThrough(layout::mainRecognition) || !rewriteCodeHead(c, main)) return false;
    // The end marker's return is held back: the main listing goes before it.
    std::array<std::uint8_t, 4> markerHead;
    std::copy_n(layout::mainEndMarker.begin(), 4, markerHead.begin());
    for (;;) {
        if (c.atEnd()) return false;
        if (c.outputEndsWith(markerHead) && c.in[c.pos] == layout::mainEndMarker[4]) break;
        c.copyByte();
    }
    ++c.pos;
    std::size_t codeStart = out.size();
    if (!appendListingCode(mainListing, labels, out) || static_cast<int>(out.size() - codeStart) != main.size)
        return false;
    out.push_back(layout::mainEndMarker[4]);
    if (!rewriteCodeTail(c, main, labels, false)) return false;

    labels = buildLabelTable(procListing);
    Method proc{listingSize(procListing), frameCount(labels), procFrameSize, layout::procMaxLocals,
                layout::procInsertOffset};
    if (!c.copyThrough(layout::procRecognition) || !rewriteCodeHead(c, proc)) return false;
    if (!c.copyThrough(layout::procInsertMarker)) return false;
    codeStart = out.size();
    if (!appendListingCode(procListing, labels, out) || static_cast<int>(out.size() - codeStart) != proc.size)
        return false;
    do {
        if (!c.copyByte()) return false;
    } while (out.back() != layout::ireturn);
    if (!rewriteCodeTail(c, proc, labels, true)) return false;

    c.copy(templateBytes.size() - c.pos);
    return true;
}

PatchResult patchGameClassFile(const std::filesystem::path& programFolder, const std::filesystem::path& workFolder,
                               std::string_view mainListing, std::string_view procListing) {
    std::ifstream in(programFolder / gameClassTemplateName, std::ios::binary);
    if (!in) return {false, PatchMessage::CannotFindTemplate};
    std::vector<std::uint8_t> templateBytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::ofstream out(workFolder / (std::string(layout::gameClass.name) + ".class"), std::ios::binary | std::ios::trunc);
    if (!out) return {false, PatchMessage::CannotCreateDestination};
    std::vector<std::uint8_t> patched;
    bool ok = patchGameClass(templateBytes, mainListing, procListing, patched);
    out.write(reinterpret_cast<const char*>(patched.data()), static_cast<std::streamsize>(patched.size()));
    out.close();
    // A short write (a full disk) is the destination's failure, not a program too large.
    if (out.fail()) return {false, PatchMessage::CannotCreateDestination};
    return {ok, PatchMessage::None};
}

const char* patchMessageText(PatchMessage m) {
    switch (m) {
        case PatchMessage::CannotFindTemplate: return "Cannot find thegc.dat";
        case PatchMessage::CannotCreateDestination: return "Cannot create destination file";
        case PatchMessage::None: break;
    }
    return "";
}
