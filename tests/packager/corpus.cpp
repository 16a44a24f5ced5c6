#include "corpus.h"

#include <algorithm>
#include <array>
#include <random>
#include <string_view>
#include <zlib.h>

namespace {

// Words drawn with a skewed choice, so that a few are common as in real text.
size_t skewedIndex(std::mt19937& rng, size_t count) {
    const double u = double(rng()) / double(std::mt19937::max());
    return std::min(count - 1, size_t(double(count) * u * u * u));
}

std::vector<std::string> makeWords(std::mt19937& rng, size_t count) {
    static constexpr std::array<std::string_view, 24> syllables = {
        "the", "an", "or", "in", "ex", "pro", "ta", "ble", "con", "sta", "ri", "ment",
        "ly", "ing", "er", "de", "com", "pa", "ti", "on", "re", "mo", "us", "al"};
    std::vector<std::string> words = {"the", "of", "and", "a", "to", "in", "is", "it", "that", "for"};
    while (words.size() < count) {
        std::string w;
        const int parts = 1 + int(rng() % 3);
        for (int i = 0; i < parts; ++i) w += syllables[rng() % syllables.size()];
        words.push_back(w);
    }
    return words;
}

void append(Bytes& out, std::string_view s) { out.insert(out.end(), s.begin(), s.end()); }

void appendU4(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void appendU2(Bytes& out, uint16_t v) {
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

void appendChunk(Bytes& png, std::string_view type, const Bytes& body) {
    appendU4(png, uint32_t(body.size()));
    Bytes typed(type.begin(), type.end());
    typed.insert(typed.end(), body.begin(), body.end());
    png.insert(png.end(), typed.begin(), typed.end());
    appendU4(png, uint32_t(crc32(0, typed.data(), uInt(typed.size()))));
}

}  // namespace

Bytes makeText(size_t size, uint32_t seed) {
    std::mt19937 rng(seed);
    const std::vector<std::string> words = makeWords(rng, 600);
    Bytes out;
    bool sentenceStart = true;
    while (out.size() < size) {
        std::string w = words[skewedIndex(rng, words.size())];
        if (sentenceStart) w[0] = char(w[0] - 'a' + 'A');
        append(out, w);
        sentenceStart = false;
        const unsigned r = rng() % 100;
        if (r < 8) {
            append(out, ". ");
            sentenceStart = true;
            if (rng() % 6 == 0) append(out, "\r\n\r\n");
        } else if (r < 14) {
            append(out, ", ");
        } else {
            append(out, " ");
        }
    }
    out.resize(size);
    return out;
}

Bytes makeSource(size_t size, uint32_t seed) {
    std::mt19937 rng(seed);
    static constexpr std::array<std::string_view, 12> names = {
        "score", "lives", "x", "y", "speed#", "name$", "level", "enemyX", "enemyY", "frame", "hiscore", "bonus#"};
    static constexpr std::array<std::string_view, 10> templates = {
        "If {a} > {n} Then {b} = {b} + 1\r\n",
        "For {a} = 1 To {n}\r\n",
        "Next {a}\r\n",
        "Print \"Level \"; {a}\r\n",
        "DrawImage {n}, {a}, {b}\r\n",
        "{a} = {b} * {n} + {a}\r\n",
        "Gosub Update{n}\r\n",
        "' move the sprite by its speed\r\n",
        "SpriteCol {n}, {a}, {b}\r\n",
        "Wend\r\n"};
    Bytes out;
    int indent = 0;
    while (out.size() < size) {
        std::string line(size_t(indent) * 4, ' ');
        for (const char* p = templates[rng() % templates.size()].data(); *p; ++p) {
            if (*p == '{' && p[2] == '}') {
                if (p[1] == 'n') line += std::to_string(rng() % 400);
                else line += names[rng() % names.size()];
                p += 2;
            } else {
                line += *p;
            }
        }
        if (line.find("For") != std::string::npos) indent = std::min(indent + 1, 4);
        if (line.find("Next") != std::string::npos) indent = std::max(indent - 1, 0);
        append(out, line);
    }
    out.resize(size);
    return out;
}

Bytes makePng(int width, int height, uint32_t seed) {
    std::mt19937 rng(seed);
    const int boxes = 3 + int(rng() % 5);
    std::vector<std::array<int, 7>> shapes;  // x, y, w, h, r, g, b
    for (int i = 0; i < boxes; ++i)
        shapes.push_back({int(rng() % unsigned(width)), int(rng() % unsigned(height)), 4 + int(rng() % 40),
                          4 + int(rng() % 40), int(rng() % 256), int(rng() % 256), int(rng() % 256)});
    Bytes raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(1);  // "Sub" filter: each byte minus the one four to the left
        std::array<uint8_t, 4> left{};
        for (int x = 0; x < width; ++x) {
            std::array<uint8_t, 4> px = {uint8_t(x * 255 / width), uint8_t(y * 255 / height), 96, 255};
            for (const auto& s : shapes)
                if (x >= s[0] && x < s[0] + s[2] && y >= s[1] && y < s[1] + s[3])
                    px = {uint8_t(s[4]), uint8_t(s[5]), uint8_t(s[6]), 255};
            if (rng() % 8 == 0) px[rng() % 3] ^= uint8_t(rng() % 8);
            for (int c = 0; c < 4; ++c) raw.push_back(uint8_t(px[c] - left[c]));
            left = px;
        }
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    Bytes packed(packedSize);
    compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 9);
    packed.resize(packedSize);

    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    appendU4(header, uint32_t(width));
    appendU4(header, uint32_t(height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, adaptive filters, no interlace
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", {});
    return png;
}

Bytes makeClassFile(size_t size, uint32_t seed) {
    std::mt19937 rng(seed);
    static constexpr std::array<std::string_view, 16> pool = {
        "java/lang/Object", "javax/microedition/lcdui/Graphics", "javax/microedition/lcdui/game/GameCanvas",
        "<init>", "()V", "(II)V", "(Ljava/lang/String;)V", "Code", "StackMap", "paint", "run",
        "program/TheGameCanvas", "getWidth", "getHeight", "drawImage", "keyPressed"};
    Bytes out;
    appendU4(out, 0xCAFEBABE);
    appendU2(out, 0);
    appendU2(out, 46);
    const int constants = 40 + int(rng() % 60);
    appendU2(out, uint16_t(constants));
    for (int i = 1; i < constants; ++i) {
        switch (rng() % 4) {
        case 0: {
            std::string s(pool[rng() % pool.size()]);
            if (rng() % 2) s += std::to_string(rng() % 100);
            out.push_back(1);
            appendU2(out, uint16_t(s.size()));
            append(out, s);
            break;
        }
        case 1:
            out.push_back(7);
            appendU2(out, uint16_t(1 + rng() % unsigned(constants - 1)));
            break;
        case 2:
            out.push_back(10);
            appendU2(out, uint16_t(1 + rng() % unsigned(constants - 1)));
            appendU2(out, uint16_t(1 + rng() % unsigned(constants - 1)));
            break;
        default:
            out.push_back(3);
            appendU4(out, rng() % 1000);
            break;
        }
    }
    // Bytecode: loads, stores, field and method calls, branches, in proportions
    // a compiler gives.
    static constexpr std::array<uint8_t, 16> opcodes = {
        0x2A, 0x2B, 0x1A, 0x1B, 0x3C, 0x60, 0x84, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xA7, 0xA2, 0x10, 0xB1};
    while (out.size() < size) {
        const uint8_t op = opcodes[skewedIndex(rng, opcodes.size())];
        out.push_back(op);
        if (op >= 0xB4 && op <= 0xB8) appendU2(out, uint16_t(1 + rng() % unsigned(constants - 1)));
        else if (op == 0xA7 || op == 0xA2) appendU2(out, uint16_t(rng() % 64));
        else if (op == 0x10 || op == 0x84) out.push_back(uint8_t(rng() % 32));
    }
    out.resize(size);
    return out;
}

Bytes makeRandom(size_t size, uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes out(size);
    for (auto& b : out) b = uint8_t(rng());
    return out;
}

Bytes makeRun(size_t size, uint8_t value) { return Bytes(size, value); }

std::vector<CorpusFile> roundTripCorpus() {
    std::vector<CorpusFile> files;
    files.push_back({"empty.txt", {}});
    files.push_back({"one.bin", {0x5A}});
    files.push_back({"story.txt", makeText(50000, 1)});
    files.push_back({"game.orb", makeSource(40000, 2)});
    files.push_back({"sprite.png", makePng(64, 64, 3)});
    files.push_back({"noise.bin", makeRandom(70000, 4)});
    files.push_back({"run.bin", makeRun(100000, 0xEE)});
    files.push_back({"s65535.txt", makeText(65535, 5)});
    files.push_back({"s65536.bin", makeRandom(65536, 6)});
    files.push_back({"s65537.orb", makeSource(65537, 7)});
    // Several megabytes of mixed data: text, noise and runs make every block kind.
    Bytes big = makeText(2000000, 8);
    const Bytes noise = makeRandom(500000, 9);
    big.insert(big.end(), noise.begin(), noise.end());
    big.insert(big.end(), 300000, 0);
    const Bytes code = makeSource(1000000, 10);
    big.insert(big.end(), code.begin(), code.end());
    files.push_back({"big.dat", big});
    files.push_back({"packed.gz", makeRandom(30000, 11)});
    return files;
}

std::vector<CorpusFile> jarLikeCorpus() {
    std::vector<CorpusFile> files;
    files.push_back({"META-INF/MANIFEST.MF", makeText(400, 20)});
    const std::array<size_t, 5> classSizes = {48000, 9000, 15000, 4000, 2500};
    for (size_t i = 0; i < classSizes.size(); ++i)
        files.push_back({"program/Class" + std::to_string(i) + ".class", makeClassFile(classSizes[i], uint32_t(21 + i))});
    files.push_back({"orb16.dat", makeSource(30000, 30)});
    files.push_back({"atachedimg58x54.png", makePng(58, 54, 31)});
    files.push_back({"attachedcontrol.png", makePng(240, 160, 32)});
    files.push_back({"mobilefont.png", makePng(256, 96, 33)});
    files.push_back({"title.png", makePng(360, 640, 34)});
    return files;
}
