#include "codes.h"

#include "image.h"
#include "numbers.h"
#include "values.h"

#include <algorithm>
#include <cstring>

uint32_t skipPast(const Image& image, uint32_t pos, char c) {
    const char* text = image.text();
    while (pos < image.length && text[pos] != c) ++pos;
    return pos < image.length ? pos + 1 : image.length;
}

std::string_view literalText(const Image& image, uint32_t pos, uint32_t next) {
    const char* text = image.text();
    const uint32_t first = pos + 2;
    const uint32_t end = text[next - 1] == '"' && next > first ? next - 1 : next;
    return std::string_view(text + first, end - first);
}

std::optional<uint32_t> skipCode(const Image& image, uint32_t pos) {
    const char* text = image.text();
    const char variant = text[pos + 1];
    switch (text[pos]) {
        case '\n': case 'e': case 'f': case ' ': return pos + 1;
        case ';': return skipPast(image, pos, '\n');
        case 'L': return skipPast(image, pos, ':');
        case 'w': return pos + 6;
        case '1': return pos + 2;
        case '~':
            if (variant >= 'a' && variant <= 'd') return pos + 6;
            return std::nullopt;
        case 'q':
            if ((variant >= '1' && variant <= '3') || variant == '=' || variant == '!') return pos + 2;
            if (variant == '<' || variant == '>') return pos + 3;
            if (variant >= '4' && variant <= '9') return pos + 6;
            return std::nullopt;
        case 'm':
            if (variant == '0' || variant == '1') return skipPast(image, pos + 2, 'x');
            if (variant == '"') return skipPast(image, pos + 2, '"');
            if (variant == '+' || variant == '-' || variant == '*' || variant == '/' || variant == '%' ||
                variant == 'm' || variant == '(' || variant == ')')
                return pos + 2;
            return std::nullopt;
        case 'v':
            if (variant >= '1' && variant <= '6') return pos + 6;
            if (variant >= 'a' && variant <= 'c') return pos + 16;
            if (variant == 'n') return skipPast(image, pos, '\n');
            if (variant == 'p') return pos + 3;
            return std::nullopt;
        case 'a':
            if ((variant >= '1' && variant <= '6') || (variant >= 's' && variant <= 'u')) return pos + 11;
            return std::nullopt;
        case 'c': return pos + 5;
        case 'd':
            if (variant == '0') return pos + 6;
            if ((variant >= '1' && variant <= '3') || variant == 'x') return pos + 2;
            return std::nullopt;
        case 'p': return pos + 3;
        case 't':
            if (variant >= 'a' && variant <= 'c') return pos + 2;
            return std::nullopt;
        case 'h':
            if (variant == '1' || variant == '2') {
                for (uint32_t p = pos + 2; p < image.length; ++p)
                    if (text[p] == 'e' || text[p] == '\n') return p + 1;
                return image.length;
            }
            if (variant == '3') return std::min(skipPast(image, pos + 2, '"') + 1, image.length);
            if (variant == '4') return pos + 6;
            return std::nullopt;
        case 'z':
            if (variant >= '0' && variant <= '5') return skipPast(image, pos + 2, '"');
            return std::nullopt;
        default: return std::nullopt;
    }
}

namespace {

int32_t target(const PositionTable& table, int32_t n) {
    return table.contains(n) ? static_cast<int32_t>(table.positions[static_cast<size_t>(n)]) : badTarget;
}

struct Decoder {
    const Image& image;
    uint32_t pos;
    uint32_t next = 0;

    int32_t field(uint32_t at) const { return readField(image.text(), image.length, at); }
    DecodedCode code(Op op, uint32_t width, int32_t value = 0, char aux = 0) {
        next = pos + width;
        return {op, aux, 0, value};
    }
    DecodedCode until(Op op, uint32_t end, int32_t value = 0) {
        next = end;
        return {op, 0, 0, value};
    }
    DecodedCode decode();
    DecodedCode arithmetic(Operator op);
};

// An operator followed by an integer or float variable or an integer literal
// becomes one record; anything else after it stays a code of its own.
DecodedCode Decoder::arithmetic(Operator op) {
    const char aux = static_cast<char>(op);
    Decoder after{image, pos + 2};
    const DecodedCode operand = after.decode();
    if (operand.op == Op::Read && operand.aux == '1') return code(Op::ArithmeticInteger, 8, operand.value, aux);
    if (operand.op == Op::Read && operand.aux == '2') return code(Op::ArithmeticFloat, 8, operand.value, aux);
    if (operand.op == Op::IntegerLiteral) {
        next = after.next;
        return {Op::ArithmeticLiteral, aux, 0, operand.value};
    }
    return code(Op::Arithmetic, 2, 0, aux);
}

DecodedCode Decoder::decode() {
    // Past the text there is only the terminator, as the padding holds.
    if (pos >= image.length) return code(Op::Nul, 0);
    const char* text = image.text();
    const char c = text[pos], variant = text[pos + 1];
    switch (c) {
        case '\0': return code(Op::Nul, 0);
        case '\n': case 'e': case 'f': return code(Op::EndMark, 1, 0, c);
        case ' ': return code(Op::Space, 1);
        case 'w': return code(Op::Record, 6);
        case ';': return until(Op::Comment, skipPast(image, pos, '\n'));
        case 'L': {
            const IntegerText line = readIntegerText(text, pos + 1, ':');
            return until(Op::LineMark, text[line.end] == ':' ? line.end + 1 : line.end, line.value);
        }
        case '1':
            switch (variant) {
                case 'd': return code(Op::Return, 2);
                case 'e': return code(Op::Drop, 2);
                case 'f': return code(Op::End, 2);
                case 'x': return code(Op::ProcedureEnd, 2);
                default: return code(Op::OtherOne, 2);
            }
        case '~':
            switch (variant) {
                case 'a': case 'd': return code(Op::Mark, 6);
                case 'b': return code(Op::Goto, 6, target(image.labels, field(pos + 2)));
                case 'c': return code(Op::Gosub, 6, target(image.labels, field(pos + 2)));
                default: return code(Op::Invalid, 0);
            }
        case 'q':
            switch (variant) {
                case '1': case '2': case '3': return code(Op::CompareKind, 2, variant - '0');
                case '=': return code(Op::CompareWith, 2, 0, static_cast<char>(CompareOp::Equal));
                case '!': return code(Op::CompareWith, 2, 0, static_cast<char>(CompareOp::NotEqual));
                case '<':
                    return code(Op::CompareWith, 3, 0,
                                static_cast<char>(text[pos + 2] == '<' ? CompareOp::Less : CompareOp::LessEqual));
                case '>':
                    return code(Op::CompareWith, 3, 0,
                                static_cast<char>(text[pos + 2] == '>' ? CompareOp::Greater : CompareOp::GreaterEqual));
                case '4': case '5': return code(Op::TargetMark, 6);
                case '6': return code(Op::TestLabel, 6, target(image.labels, field(pos + 2)));
                case '7': return code(Op::TestFalse, 6, target(image.falseTargets, field(pos + 2)));
                case '8': return code(Op::TestTrue, 6, target(image.trueTargets, field(pos + 2)));
                case '9': return code(Op::GotoFalse, 6, target(image.falseTargets, field(pos + 2)));
                default: return code(Op::Invalid, 0);
            }
        case 'm':
            switch (variant) {
                case '0': {
                    const IntegerText t = readIntegerText(text, pos + 2, 'x');
                    return until(Op::IntegerLiteral, t.end + (text[t.end] == 'x'), t.value);
                }
                case '1': {
                    const FloatText t = readFloatText(text, pos + 2, 'x');
                    int32_t bits;
                    std::memcpy(&bits, &t.value, sizeof bits);
                    return until(Op::FloatLiteral, t.end + (text[t.end] == 'x'), bits);
                }
                case '"': return until(Op::StringLiteral, skipPast(image, pos + 2, '"'));
                case '+': return arithmetic(Operator::Add);
                case '-': return arithmetic(Operator::Subtract);
                case '*': return arithmetic(Operator::Multiply);
                case '/': return arithmetic(Operator::Divide);
                case '%': return arithmetic(Operator::Remainder);
                case 'm': return code(Op::Negate, 2);
                case '(': return code(Op::GroupOpen, 2);
                case ')': return code(Op::GroupClose, 2);
                default: return code(Op::Invalid, 0);
            }
        case 'v':
            switch (variant) {
                case '1': case '2': case '3': return code(Op::Read, 6, field(pos + 2), variant);
                case '4': case '5': case '6':
                    return code(Op::Assign, 6, field(pos + 2), static_cast<char>(variant - 3));
                case 'a': case 'b': case 'c':
                    return code(Op::TableSize, 16, field(pos + 2), static_cast<char>(variant - 'a' + 1));
                case 'n': return until(Op::NameRecord, skipPast(image, pos, '\n'));
                case 'p': return code(Op::ReturnValue, 3, 0, text[pos + 2]);
                default: return code(Op::Invalid, 0);
            }
        case 'a': {
            const int32_t first = field(pos + 2);
            if (variant >= '1' && variant <= '3') return code(Op::ElementStore, 11, first, variant);
            if (variant >= '4' && variant <= '6') return code(Op::ElementRead, 11, first, static_cast<char>(variant - 3));
            if (variant >= 's' && variant <= 'u') return code(Op::Sort, 11, first, static_cast<char>('1' + variant - 's'));
            return code(Op::Invalid, 0);
        }
        case 'p': return code(Op::Parameter, 3, text[pos + 2] - '0', variant);
        case 't':
            if (variant >= 'a' && variant <= 'c') return code(Op::Print, 2, 0, variant);
            return code(Op::Invalid, 0);
        case 'h':
            if (variant == '1' || variant == '2' || variant == '3') return until(Op::DataItem, *skipCode(image, pos));
            if (variant == '4') return code(Op::Restore, 6, target(image.labels, field(pos + 2)));
            return code(Op::Invalid, 0);
        case 'z':
            // The resource loader reads the code from the text and moves the position itself.
            if (variant >= '0' && variant <= '5') return code(Op::Resource, 0);
            return code(Op::Invalid, 0);
        case 'c': return code(Op::BuiltinCall, 5, field(pos + 1));
        case 'd':
            if (variant == '0') return code(Op::ProcedureCall, 6, field(pos + 2));
            if (variant >= '1' && variant <= '3') return code(Op::Argument, 2, 0, variant);
            if (variant == 'x') return code(Op::ArgumentsEnd, 2);
            return code(Op::Space, 2);  // the evaluator steps over other variants
        default: return code(Op::Invalid, 0);
    }
}

}  // namespace

DecodedCode decodeCode(const Image& image, uint32_t pos, uint32_t& next) {
    Decoder d{image, pos};
    const DecodedCode c = d.decode();
    next = d.next;
    return c;
}

CodeAt decodedAt(const Image& image, uint32_t pos) {
    uint32_t next = 0;
    DecodedCode c = decodeCode(image, pos, next);
    const uint32_t width = next - pos;
    if (next >= pos && width <= UINT16_MAX) c.width = static_cast<uint16_t>(width);
    return {c, next};
}
