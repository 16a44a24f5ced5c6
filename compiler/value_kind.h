// The value kinds of variables, expressions and built-in results, the same in
// the compiler and the runtime. The image and the keyword signatures write a
// kind as its digit, '1' to '3' (typeDigit and kindOfDigit convert); a few
// image codes add the kind's number to a letter instead.
#pragma once

enum class ValueKind : int { None = 0, Integer = 1, Float = 2, String = 3 };

constexpr char typeDigit(ValueKind k) { return char('0' + int(k)); }

// A digit other than '1' to '3' stands for no value.
constexpr ValueKind kindOfDigit(char digit) {
    return digit >= '1' && digit <= '3' ? ValueKind(digit - '0') : ValueKind::None;
}
