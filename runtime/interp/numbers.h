// Readers for the numbers written inside text codes: four-digit fields and
// terminated integer and float texts.
#pragma once

#include <cstdint>

// A four-digit field. The digits are not validated, so a field may read below
// 0 or above 9999; every user of a field checks it against its table.
inline int32_t readField(const char* text, uint32_t length, uint32_t pos) {
    if (pos > length || length - pos < 4) return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text + pos);
    return (p[0] - '0') * 1000 + (p[1] - '0') * 100 + (p[2] - '0') * 10 + (p[3] - '0');
}

struct IntegerText {
    int32_t value;
    uint32_t end;  // position of the terminator (or of the NUL when it is missing)
};

// Digits accumulate with wrap-around; a "-" anywhere makes the result negative;
// other characters are ignored.
inline IntegerText readIntegerText(const char* text, uint32_t pos, char terminator) {
    uint32_t magnitude = 0;
    // Literals are plain digits almost always: read those without the other checks.
    for (unsigned d; (d = static_cast<unsigned char>(text[pos]) - '0') <= 9; ++pos) magnitude = magnitude * 10 + d;
    if (text[pos] == terminator) return {static_cast<int32_t>(magnitude), pos};
    bool negative = false;
    for (char c; (c = text[pos]) != terminator && c != '\0'; ++pos) {
        if (c >= '0' && c <= '9') magnitude = magnitude * 10 + static_cast<uint32_t>(c - '0');
        else if (c == '-') negative = true;
    }
    if (negative) magnitude = 0u - magnitude;
    return {static_cast<int32_t>(magnitude), pos};
}

struct FloatText {
    float value;
    uint32_t end;
};

// The fraction is read as one integer and divided by ten once per digit in
// single precision, so that every float text reads to the same value the
// compiler and the phone runtime compute.
inline FloatText readFloatText(const char* text, uint32_t pos, char terminator) {
    uint32_t whole = 0, fraction = 0;
    int fractionDigits = 0;
    bool negative = false, afterPoint = false;
    for (char c; (c = text[pos]) != terminator && c != '\0'; ++pos) {
        if (c >= '0' && c <= '9') {
            if (afterPoint) {
                fraction = fraction * 10 + static_cast<uint32_t>(c - '0');
                ++fractionDigits;
            } else {
                whole = whole * 10 + static_cast<uint32_t>(c - '0');
            }
        } else if (c == '.') {
            afterPoint = true;
        } else if (c == '-' && !afterPoint) {
            negative = true;
        }
    }
    float f = static_cast<float>(static_cast<int32_t>(fraction));
    for (int i = 0; i < fractionDigits; ++i) f = f / 10.0f;
    float value = static_cast<float>(static_cast<int32_t>(whole)) + f;
    return {negative ? -value : value, pos};
}
