// The value rules: integer and float operators, conversions, comparisons,
// sorting and the text form of floats.
#pragma once

#include "interp.h"

#include <climits>
#include <optional>
#include <string>
#include <string_view>

enum class Operator : char { None, Add, Subtract, Multiply, Divide, Remainder };

// Float to integer, truncating toward zero. Values outside the integer range
// and not-a-number give the most negative integer, as the processor's
// truncating conversion does, instead of undefined behaviour.
// applyInteger and applyFloat apply the pending operator; nullopt on "Divide
// by zero" (the accumulator then keeps its value). They run for every operand,
// so they live here to be inlined.
inline int32_t truncateToInt(float f) {
    if (!(f > -2147483904.0f && f < 2147483648.0f)) return INT32_MIN;
    return static_cast<int32_t>(f);
}

namespace valueRules {

// Two's complement wrap-around without signed overflow.
inline int32_t wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }

// The quotient of the most negative integer by -1 wraps like the sum does.
inline int32_t quotient(int32_t a, int32_t b) { return (a == INT32_MIN && b == -1) ? INT32_MIN : a / b; }
inline int32_t remainder(int32_t a, int32_t b) { return b == -1 ? 0 : a % b; }

}  // namespace valueRules

inline std::optional<int32_t> applyInteger(int32_t a, Operator op, int32_t b) {
    switch (op) {
        case Operator::None: return b;
        case Operator::Add: return valueRules::wrap(int64_t{a} + b);
        case Operator::Subtract: return valueRules::wrap(int64_t{a} - b);
        case Operator::Multiply: return valueRules::wrap(int64_t{a} * b);
        case Operator::Divide:
            if (b == 0) return std::nullopt;
            return valueRules::quotient(a, b);
        case Operator::Remainder:
            if (b == 0) return std::nullopt;
            return valueRules::remainder(a, b);
    }
    return b;
}

inline std::optional<float> applyFloat(float a, Operator op, float b) {
    switch (op) {
        case Operator::None: return b;
        case Operator::Add: return a + b;
        case Operator::Subtract: return a - b;
        case Operator::Multiply: return a * b;
        case Operator::Divide: return a / b;
        case Operator::Remainder: {
            const int32_t divisor = truncateToInt(b);
            if (divisor == 0) return std::nullopt;
            return static_cast<float>(valueRules::remainder(truncateToInt(a), divisor));
        }
    }
    return b;
}


// "+" appends, every other operator replaces; the register keeps at most
// registerLength characters.
void applyString(std::string& accumulator, Operator op, std::string_view operand);

namespace valueRules {

template <typename T>
inline bool compareNumbers(T l, CompareOp op, T r) {
    switch (op) {
        case CompareOp::Equal: return l == r;
        case CompareOp::NotEqual: return l != r;
        case CompareOp::Less: return l < r;
        case CompareOp::LessEqual: return l <= r;
        case CompareOp::Greater: return l > r;
        case CompareOp::GreaterEqual: return l >= r;
        case CompareOp::None: return false;
    }
    return false;
}

}  // namespace valueRules

// Every test runs one of these, so they live here to be inlined.
inline bool compareIntegers(int32_t l, CompareOp op, int32_t r) { return valueRules::compareNumbers(l, op, r); }
inline bool compareFloats(float l, CompareOp op, float r) { return valueRules::compareNumbers(l, op, r); }
bool compareStrings(std::string_view left, CompareOp op, std::string_view right);

// "%f" with trailing zeros removed, one digit kept after the point: 2.5, 3.0.
std::string floatText(float f);

// Bubble sorts into ascending order, as the `as`, `at`, `au` codes define.
void sortIntegers(int32_t* first, int32_t* last);
void sortFloats(float* first, float* last);
void sortStrings(std::string* first, std::string* last);
