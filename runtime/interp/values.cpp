#include "values.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <utility>

void applyString(std::string& accumulator, Operator op, std::string_view operand) {
    if (op != Operator::Add) accumulator.clear();
    const size_t room = registerLength - std::min(accumulator.size(), registerLength);
    accumulator.append(operand.substr(0, room));
}

// Texts are only ever equal or not; the ordering operators are never true.
bool compareStrings(std::string_view l, CompareOp op, std::string_view r) {
    if (op == CompareOp::Equal) return l == r;
    if (op == CompareOp::NotEqual) return l != r;
    return false;
}

std::string floatText(float f) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(f));
    std::string s = text;
    const size_t point = s.find('.');
    if (point == std::string::npos) return s;  // inf, nan
    size_t end = s.size();
    while (end > point + 2 && s[end - 1] == '0') --end;
    s.resize(end);
    return s;
}

namespace {

template <typename T, typename Greater>
void bubbleSort(T* first, T* last, Greater greater) {
    if (first >= last) return;
    for (T* pass = first + 1; pass <= last; ++pass) {
        bool swapped = false;
        for (T* p = last; p >= pass; --p) {
            if (greater(*(p - 1), *p)) {
                std::swap(*(p - 1), *p);
                swapped = true;
            }
        }
        if (!swapped) return;
    }
}

// Case-insensitive, as signed 8-bit characters; the empty text sorts first and
// a text that is a prefix of the other counts as equal.
bool stringGreater(const std::string& lower, const std::string& upper) {
    if (upper.empty()) return !lower.empty();
    if (lower.empty()) return false;
    const size_t n = std::min(lower.size(), upper.size());
    for (size_t i = 0; i < n; ++i) {
        const auto a = static_cast<signed char>(std::toupper(static_cast<unsigned char>(lower[i])));
        const auto b = static_cast<signed char>(std::toupper(static_cast<unsigned char>(upper[i])));
        if (a != b) return a > b;
    }
    return false;
}

}  // namespace

void sortIntegers(int32_t* first, int32_t* last) { bubbleSort(first, last, [](int32_t a, int32_t b) { return a > b; }); }
void sortFloats(float* first, float* last) { bubbleSort(first, last, [](float a, float b) { return a > b; }); }
void sortStrings(std::string* first, std::string* last) { bubbleSort(first, last, stringGreater); }
