#include "template_check.h"

#include "template_layout.h"

#include <algorithm>
#include <map>
#include <string_view>

namespace {

namespace layout = templateLayout;

struct PoolEntry {
    int tag = 0;
    int a = 0;
    std::string text;
};

struct MethodInfo {
    std::size_t recognitionAt = 0;   // file offset of the name index's low byte
    int nameIndex = 0, descriptorIndex = 0, attributeCount = 0;
    int firstAttributeName = 0;
    int maxStack = 0, maxLocals = 0;
    std::size_t codeAt = 0;          // file offset of the first code byte
    std::vector<std::uint8_t> code;
    int exceptionCount = 0;
    std::vector<int> frameOffsets;
    bool hasStackMap = false;
};

struct Reader {
    const std::vector<std::uint8_t>& b;
    std::size_t p = 0;
    bool bad = false;

    std::uint32_t u(int n) {
        if (p + n > b.size()) {
            bad = true;
            p = b.size();
            return 0;
        }
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | b[p++];
        return v;
    }
    void skip(std::size_t n) { p = std::min(b.size(), p + n); bad = bad || p == b.size(); }
};

void readStackMap(Reader& r, std::size_t end, MethodInfo& m) {
    int entries = static_cast<int>(r.u(2));
    for (int e = 0; e < entries && !r.bad && r.p < end; ++e) {
        m.frameOffsets.push_back(static_cast<int>(r.u(2)));
        for (int list = 0; list < 2; ++list) {
            int n = static_cast<int>(r.u(2));
            for (int i = 0; i < n && !r.bad; ++i) {
                int tag = static_cast<int>(r.u(1));
                if (tag == 7 || tag == 8) r.u(2);
            }
        }
    }
    r.p = end;
}

MethodInfo readMethod(Reader& r, const std::map<int, PoolEntry>& pool) {
    MethodInfo m;
    r.u(2);   // access flags
    m.recognitionAt = r.p + 1;
    m.nameIndex = static_cast<int>(r.u(2));
    m.descriptorIndex = static_cast<int>(r.u(2));
    m.attributeCount = static_cast<int>(r.u(2));
    for (int a = 0; a < m.attributeCount && !r.bad; ++a) {
        int name = static_cast<int>(r.u(2));
        if (a == 0) m.firstAttributeName = name;
        std::size_t length = r.u(4);
        std::size_t end = r.p + length;
        auto it = pool.find(name);
        if (it == pool.end() || it->second.text != "Code") {
            r.skip(length);
            continue;
        }
        m.maxStack = static_cast<int>(r.u(2));
        m.maxLocals = static_cast<int>(r.u(2));
        std::size_t codeLength = r.u(4);
        m.codeAt = r.p;
        if (r.p + codeLength > r.b.size()) {
            r.bad = true;
            return m;
        }
        m.code.assign(r.b.begin() + r.p, r.b.begin() + r.p + codeLength);
        r.skip(codeLength);
        m.exceptionCount = static_cast<int>(r.u(2));
        r.skip(8 * static_cast<std::size_t>(m.exceptionCount));
        int attributes = static_cast<int>(r.u(2));
        for (int k = 0; k < attributes && !r.bad; ++k) {
            int inner = static_cast<int>(r.u(2));
            std::size_t innerLength = r.u(4);
            if (inner == layout::stackMapName) {
                m.hasStackMap = true;
                readStackMap(r, r.p + innerLength, m);
            } else {
                r.skip(innerLength);
            }
        }
        r.p = end;
    }
    return m;
}

template <std::size_t N>
std::size_t find(const std::vector<std::uint8_t>& bytes, const std::array<std::uint8_t, N>& seq, std::size_t from) {
    auto it = std::search(bytes.begin() + std::min(from, bytes.size()), bytes.end(), seq.begin(), seq.end());
    return it == bytes.end() ? std::string::npos : static_cast<std::size_t>(it - bytes.begin());
}

void checkMethod(const MethodInfo* m, const char* what, int maxLocals, std::vector<std::string>& faults) {
    if (m == nullptr) {
        faults.push_back(std::string(what) + ": no method_info with the recognition bytes");
        return;
    }
    if (m->maxStack > layout::maxStack) faults.push_back(std::string(what) + ": max_stack above 128");
    if (m->maxLocals > maxLocals) faults.push_back(std::string(what) + ": max_locals above the written value");
    if (m->exceptionCount != 0) faults.push_back(std::string(what) + ": exception table not empty");
    if (!m->hasStackMap) faults.push_back(std::string(what) + ": no StackMap attribute");
}

}  // namespace

std::vector<std::string> templateFaults(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::string> faults;
    Reader r{bytes};
    if (r.u(4) != 0xCAFEBABE) return {"not a class file"};
    r.u(2);
    if (r.u(2) > 49) faults.push_back("class version above 49");
    int count = static_cast<int>(r.u(2));
    std::map<int, PoolEntry> pool;
    for (int i = 1; i < count && !r.bad; ++i) {
        PoolEntry e;
        e.tag = static_cast<int>(r.u(1));
        switch (e.tag) {
            case 1: {
                std::size_t n = r.u(2);
                if (r.p + n <= bytes.size()) e.text.assign(bytes.begin() + r.p, bytes.begin() + r.p + n);
                r.skip(n);
                break;
            }
            case 3: case 4: r.skip(4); break;
            case 5: case 6: r.skip(8); break;
            case 7: case 8: e.a = static_cast<int>(r.u(2)); break;
            default: r.skip(4); break;
        }
        pool[i] = e;
        if (e.tag == 5 || e.tag == 6) ++i;
    }
    auto text = [&](int i) { return pool.count(i) && pool[i].tag == 1 ? pool[i].text : std::string(); };
    auto className = [&](int i) { return pool.count(i) && pool[i].tag == 7 ? text(pool[i].a) : std::string(); };
    if (text(layout::codeName) != "Code") faults.push_back("pool 226 is not the text Code");
    if (text(layout::stackMapName) != "StackMap") faults.push_back("pool 631 is not the text StackMap");
    r.u(2);
    int thisClass = static_cast<int>(r.u(2));
    if (thisClass != layout::canvasClass) faults.push_back("pool 180 is not the class itself");
    if (className(layout::secondKindClass).empty()) faults.push_back("pool 11 is not a class");
    if (className(layout::thirdKindClass).empty()) faults.push_back("pool 147 is not a class");
    r.u(2);
    r.skip(2 * static_cast<std::size_t>(r.u(2)));
    int fields = static_cast<int>(r.u(2));
    for (int f = 0; f < fields && !r.bad; ++f) {
        r.skip(6);
        int attributes = static_cast<int>(r.u(2));
        for (int a = 0; a < attributes && !r.bad; ++a) {
            r.u(2);
            r.skip(r.u(4));
        }
    }
    int methodCount = static_cast<int>(r.u(2));
    std::vector<MethodInfo> methods;
    for (int i = 0; i < methodCount && !r.bad; ++i) methods.push_back(readMethod(r, pool));
    if (r.bad) faults.push_back("class file cut short");

    // The patcher takes the first match in the file, so the first match must be the method.
    auto methodAt = [&](std::size_t at) -> const MethodInfo* {
        for (const MethodInfo& m : methods)
            if (m.recognitionAt == at) return &m;
        return nullptr;
    };
    std::size_t mainAt = find(bytes, layout::mainRecognition, 0);
    const MethodInfo* main = mainAt == std::string::npos ? nullptr : methodAt(mainAt);
    checkMethod(main, "main code method", layout::mainMaxLocals, faults);
    std::size_t procAt = std::string::npos;
    if (main != nullptr) {
        std::size_t endAt = find(bytes, layout::mainEndMarker, main->codeAt);
        if (endAt == std::string::npos || endAt + 5 != main->codeAt + main->code.size() ||
            endAt + 4 - main->codeAt != static_cast<std::size_t>(layout::mainInsertOffset))
            faults.push_back("main code method: end marker not at the end of its code, return at offset 72");
        for (int offset : main->frameOffsets)
            if (offset >= layout::mainInsertOffset) faults.push_back("main code method: frame after offset 72");
        procAt = find(bytes, layout::procRecognition, main->codeAt + main->code.size());
    }
    const MethodInfo* proc = procAt == std::string::npos ? nullptr : methodAt(procAt);
    checkMethod(proc, "procedure code method", layout::procMaxLocals, faults);
    if (proc != nullptr) {
        std::size_t markerAt = find(bytes, layout::procInsertMarker, proc->codeAt);
        std::size_t insertAt = markerAt + layout::procInsertMarker.size();
        if (markerAt == std::string::npos || insertAt - proc->codeAt != static_cast<std::size_t>(layout::procInsertOffset))
            faults.push_back("procedure code method: insertion marker does not end at offset 95");
        else if (std::find(proc->code.begin() + layout::procInsertOffset, proc->code.end(), layout::ireturn) !=
                 proc->code.end() - 1)
            faults.push_back("procedure code method: first ireturn after the marker is not its last byte");
        for (int offset : proc->frameOffsets)
            if (offset >= layout::procInsertOffset) faults.push_back("procedure code method: frame after offset 95");
    }
    return faults;
}
