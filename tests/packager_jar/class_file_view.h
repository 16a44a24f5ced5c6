// Reads back the two patched methods of a game class for the tests.
#pragma once

#include "template_layout.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

struct MethodView {
    bool found = false;
    std::uint32_t attributeLength = 0, codeLength = 0;
    int maxStack = 0, maxLocals = 0;
    std::vector<std::uint8_t> code;
    std::uint32_t stackMapLength = 0;
    int frameEntries = 0;
    std::vector<std::uint8_t> stackMapBody;   // after number_of_entries
};

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <std::size_t N>
MethodView viewMethod(const std::vector<std::uint8_t>& b, const std::array<std::uint8_t, N>& recognition) {
    MethodView m;
    auto it = std::search(b.begin(), b.end(), recognition.begin(), recognition.end());
    if (it == b.end()) return m;
    std::size_t p = static_cast<std::size_t>(it - b.begin()) + N;
    auto u = [&](int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | b.at(p++);
        return v;
    };
    m.found = true;
    m.attributeLength = u(4);
    m.maxStack = static_cast<int>(u(2));
    m.maxLocals = static_cast<int>(u(2));
    m.codeLength = u(4);
    m.code.assign(b.begin() + p, b.begin() + p + m.codeLength);
    p += m.codeLength;
    p += 8 * u(2);
    std::uint32_t attributes = u(2);
    for (std::uint32_t a = 0; a < attributes; ++a) {
        std::uint32_t name = u(2), length = u(4);
        if (name == templateLayout::stackMapName) {
            m.stackMapLength = length;
            m.frameEntries = static_cast<int>(u(2));
            m.stackMapBody.assign(b.begin() + p, b.begin() + p + length - 2);
            p += length - 2;
        } else {
            p += length;
        }
    }
    return m;
}
