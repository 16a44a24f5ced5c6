// The expression compiler, and the calls and element reads it compiles as operands.
#include "compile_messages.h"
#include "compiler.h"
#include "keyword_lookup.h"
#include "keyword_table.h"

namespace {

constexpr int maxArguments = 8;
constexpr int maxIndexGroups = 4;

// The name shown in "Type mismatch" messages: first letter upper case, with the result's suffix.
std::string callDisplayName(std::string_view name, ValueKind result) {
    std::string s(name);
    if (!s.empty()) s[0] = upperAscii(s[0]);
    return s + kindSuffix(result);
}

// "Left" for Left$ and "Sin" for Sin#: a function named without the suffix its result needs.
int missingSuffixHint(Compiler& c, std::string_view name, ValueKind nameKind) {
    if (nameKind != ValueKind::Integer) return c.fault.code;
    if (int code = findBuiltin(name, ValueKind::String); code != noKeyword)
        return hint(c, StringFunctionWithoutSuffix, keywordTable[code].name);
    if (int code = findBuiltin(name, ValueKind::Float); code != noKeyword)
        return hint(c, FloatFunctionWithoutSuffix, keywordTable[code].name);
    return c.fault.code;
}

int identifierOperand(Compiler& c, Cursor& cur, ValueKind kind) {
    std::string_view name = cur.readIdentifier();
    ValueKind nameKind = cur.readSuffix();
    char next = cur.peek();
    if ((kind == ValueKind::String) != (nameKind == ValueKind::String)) {
        fail(c, TypeMismatch);
        return missingSuffixHint(c, name, nameKind);
    }
    if (next == '[' || findProcedure(c.symbols, name, nameKind)) return compileProcedureCall(c, name, nameKind);
    int code = findBuiltin(name, nameKind);
    if (code != noKeyword) return compileBuiltinCall(c, code, name, true, kind);
    int array = findArray(c.symbols, name, nameKind, c.scope);
    if (array >= 0) return compileArrayElement(c, array, false);
    if (next == '(') {
        fail(c, ArrayNotDefined);
        missingSuffixHint(c, name, nameKind);
        return hint(c, NotAnArrayOrProcedure, std::string(name) + kindSuffix(nameKind));
    }
    int slot = 0;
    if (int e = variableSlot(c, name, nameKind, slot)) return e;
    c.out.variableRead(nameKind, slot);
    return NoError;
}

int operand(Compiler& c, Cursor& cur, ValueKind kind, bool insideCall, bool firstOperand, int& depth) {
    for (;;) {
        char ch = cur.peek();
        if (ch == '-') {
            if (kind == ValueKind::String) return fail(c, TypeMismatch);
            c.out.negate();
            cur.advance();
            ch = cur.current();
        }
        if (ch == '(') {
            c.out.groupOpen();
            ++depth;
            cur.advance();
            continue;
        }
        if (ch == '"') {
            if (kind != ValueKind::String) return fail(c, TypeMismatch);
            std::size_t close = cur.text.find('"', cur.pos + 1);
            if (close == std::string_view::npos) return fail(c, MissingQuote);
            c.out.stringLiteral(cur.text.substr(cur.pos + 1, close - cur.pos - 1));
            cur.pos = close + 1;
            return NoError;
        }
        if (ch == '$' || isDigit(ch)) {
            if (kind == ValueKind::String) return fail(c, TypeMismatch);
            NumberLiteral n;
            if (int e = readNumber(cur, n)) return fail(c, e);
            if (kind == ValueKind::Float && n.hasFraction) c.out.floatLiteral(n.value, n.fraction);
            else c.out.integerLiteral(n.value);
            return NoError;
        }
        if (isLetter(ch)) return identifierOperand(c, cur, kind);
        if (insideCall && firstOperand && (ch == ')' || ch == endOfStatement)) return fail(c, MissingParameters);
        return fail(c, SyntaxError);
    }
}

// Reads the comparison operator at the cursor.
Comparison readComparison(Cursor& cur) {
    char a = cur.current();
    char b = cur.at(cur.pos + 1);
    Comparison result;
    bool two = true;
    if (a == '<') result = b == '=' ? Comparison::LessEqual : b == '>' ? Comparison::NotEqual : (two = false, Comparison::Less);
    else if (a == '>') result = b == '=' ? Comparison::GreaterEqual : (two = false, Comparison::Greater);
    else result = b == '<' ? Comparison::LessEqual : b == '>' ? Comparison::GreaterEqual : (two = false, Comparison::Equal);
    cur.advance(two ? 2 : 1);
    return result;
}

}  // namespace

int compileExpression(Compiler& c, ValueKind kind, char terminator, bool insideCall, bool list, bool toAllowed) {
    Cursor& cur = *c.cur;
    int depth = 0;
    bool firstOperand = true;
    bool endedByTo = false;
    for (bool more = true; more;) {
        if (int e = operand(c, cur, kind, insideCall, firstOperand, depth)) return e;
        firstOperand = false;
        more = false;
        for (;;) {
            char ch = cur.peek();
            if (toAllowed && cur.matchWord("TO")) {
                cur.advance();
                endedByTo = true;
                break;
            }
            if (ch == '+' || ch == '-' || ch == '*' || ch == '/' || ch == '%') {
                if (ch != '+' && kind == ValueKind::String) return fail(c, CanOnlyAddStrings);
                c.out.arithmetic(ch);
                cur.advance();
                more = true;
                break;
            }
            if (ch != ')') break;
            if (depth == 0) {
                if (terminator == ')') break;
                return fail(c, terminator == ',' ? MissingParameters : SyntaxError);
            }
            c.out.groupClose();
            --depth;
            cur.advance();
        }
    }

    char ch = cur.peek();
    if (endedByTo) {
        // TO ends the expression like a comma.
    } else if (terminator == '>') {
        if (ch == endOfStatement) c.conditionEnd = EndsWithStatement;
        else if (cur.matchWord("AND")) c.conditionEnd = EndsWithAnd;
        else if (cur.matchWord("OR")) c.conditionEnd = EndsWithOr;
        else if (cur.matchWord("THEN")) c.conditionEnd = EndsWithThen;
        else return fail(c, SyntaxError);
    } else if (terminator == '<') {
        if (ch != '<' && ch != '>' && ch != '=') return fail(c, EvalSymbolExpected);
        c.comparison = readComparison(cur);
        if (kind == ValueKind::String && c.comparison != Comparison::Equal && c.comparison != Comparison::NotEqual)
            return fail(c, EvaluationNotPossible);
    } else if (ch != terminator) {
        if (ch == ',') {
            if (!list) return fail(c, insideCall ? TooManyArguments : SyntaxError);
        } else if (ch == endOfStatement) {
            return fail(c, terminator == ',' ? MissingParameters
                         : terminator == ')' ? MissingBracket
                         : terminator == ']' ? MissingSquareBracket
                                             : SyntaxError);
        } else {
            return fail(c, SyntaxError);
        }
    }
    if (depth > 0) return fail(c, MissingBracket);
    c.parameterNumber = 0;
    return NoError;
}

int variableSlot(Compiler& c, std::string_view name, ValueKind kind, int& slot) {
    slot = findVariable(c.symbols, name, kind, c.scope);
    if (slot < 0) {
        if (isReservedName(name, kind)) return fail(c, KeywordMisuse);
        if (int e = createVariable(c.symbols, name, kind, c.line, c.scope, slot)) return fail(c, e);
    }
    if (slot >= 9999) return fail(c, OutOfVariableMemory);
    return NoError;
}

int compileBuiltinCall(Compiler& c, int code, std::string_view name, bool inExpression, ValueKind wanted) {
    Cursor& cur = *c.cur;
    std::string_view signature = keywordTable[code].signature;
    const ValueKind result = kindOfDigit(signature[1]);
    if (inExpression) {
        if (result == ValueKind::None) return fail(c, CommandHasNoValue);
        if ((wanted == ValueKind::String) != (result == ValueKind::String)) return fail(c, TypeMismatch);
    }
    std::string_view parameters = signature.substr(2);
    if (std::size_t stop = parameters.find('0'); stop != std::string_view::npos) parameters = parameters.substr(0, stop);
    int total = 0;
    for (char p : parameters) total += p != '+';

    char next = cur.peek();
    if (total > 0 && next == endOfStatement) return fail(c, MissingParameters);
    bool bracketed = false;
    if (result != ValueKind::None) {
        if (total > 0 && next != '(') return fail(c, MissingOpenBracket);
        if (next == '(') {
            cur.advance();
            bracketed = true;
        }
    }
    c.out.builtinCallStart(code);
    std::string display = callDisplayName(name, result == ValueKind::None ? ValueKind::Integer : result);
    bool toAllowed = false;
    int number = 0;
    for (char p : parameters) {
        if (p == '+') {
            toAllowed = true;
            continue;
        }
        ValueKind k = kindOfDigit(p);
        ++number;
        c.out.argumentStart(k);
        c.callName = display;
        c.parameterNumber = number;
        char terminator = number < total ? ',' : bracketed ? ')' : endOfStatement;
        if (int e = compileExpression(c, k, terminator, true, false, toAllowed)) return e;
        toAllowed = false;
        c.out.argumentEnd();
        if (cur.peek() == ',') cur.advance();
    }
    c.out.callEnd();
    if (bracketed) {
        char ch = cur.peek();
        if (ch == endOfStatement) return fail(c, MissingBracket);
        if (ch == ',') return fail(c, TooManyParameters);
        if (ch != ')') return fail(c, SyntaxError);
        cur.advance();
    }
    return NoError;
}

int compileProcedureCall(Compiler& c, std::string_view name, ValueKind kind) {
    Cursor& cur = *c.cur;
    int number = findProcedure(c.symbols, name, kind);
    if (!number) {
        if (isReservedName(name, kind)) return fail(c, KeywordMisuse);
        if (name.size() > maxNameLength) return fail(c, NameTooLong);
        number = createProcedure(c.symbols, name, kind);
    }
    auto procedure = [&]() -> ProcedureRecord& { return c.symbols.procedures[number - 1]; };
    c.out.procedureCallStart(number, kind);
    if (procedure().firstCallLine == noLine) procedure().firstCallLine = c.line;
    std::string display = callDisplayName(name, kind);

    if (cur.peek() == '[') {
        cur.advance();
        std::vector<ValueKind> kinds;
        for (;;) {
            char ch = cur.peek();
            if (ch == ']') break;
            if (ch == endOfStatement) return fail(c, MissingSquareBracket);
            int position = int(kinds.size()) + 1;
            const ProcedureRecord& p = procedure();
            if (position > maxArguments || (p.parametersFixed && position > int(p.parameters.size())))
                return fail(c, TooManyProcedureArguments);
            ValueKind k = p.definitionLine != noLine ? p.parameters[position - 1] : firstTokenKind(cur.text, cur.pos);
            if (k == ValueKind::None) return fail(c, SyntaxError);
            c.out.argumentStart(k);
            c.callName = display;
            c.parameterNumber = position;
            if (int e = compileExpression(c, k, ']', false, true)) return e;
            c.out.argumentEnd();
            kinds.push_back(k);
            if (cur.peek() == ',') cur.advance();
        }
        ProcedureRecord& p = procedure();
        if (p.parametersFixed) {
            if (kinds.size() < p.parameters.size()) return fail(c, MissingProcedureArguments);
            if (kinds.size() > p.parameters.size()) return fail(c, TooManyProcedureArguments);
        } else {
            p.parameters = std::move(kinds);
            p.parametersFixed = true;
        }
        cur.advance();
    } else {
        ProcedureRecord& p = procedure();
        if (!p.parameters.empty()) {
            fail(c, MissingProcedureArguments);
            // Other BASICs call with round brackets.
            if (cur.peek() == '(') hint(c, ProcedureWithRoundBrackets, display);
            return c.fault.code;
        }
        p.parametersFixed = true;
    }
    c.out.callEnd();
    return NoError;
}

int compileArrayElement(Compiler& c, int index, bool write) {
    Cursor& cur = *c.cur;
    const ArrayRecord& a = c.symbols.arrays[index];
    if (cur.peek() != '(') return fail(c, DimDimensionExpected);
    c.out.elementStart(write, a.kind, a.firstSlot, a.lastSlot - a.firstSlot);
    int dimensions = int(a.sizes.size());
    int groups = 0;
    while (cur.peek() == '(') {
        ++groups;
        if (groups > maxIndexGroups) return fail(c, TooManyDimensions);
        if (groups > dimensions) return fail(c, DimensionCountMismatch);
        cur.advance();
        c.out.groupOpen();
        if (int e = compileExpression(c, ValueKind::Integer, ')')) {
            if (dimensions >= 2 && cur.peek() == ',') hint(c, IndexesInOneBracket, a.name + kindSuffix(a.kind), dimensions);
            return e;
        }
        cur.advance();
        // Every size is at least 1 and the array fits the slot range, so the product stays small.
        long long later = 1;
        for (int d = groups; d < dimensions; ++d) later *= a.sizes[d];
        c.out.indexGroupEnd(groups == dimensions, later);
    }
    c.out.indexEnd();
    if (write) {
        if (cur.peek() != '=') return fail(c, SyntaxError);
        if (groups < dimensions) return fail(c, DimensionCountMismatch);
        cur.advance();
        return compileExpression(c, a.kind, endOfStatement);
    }
    if (groups < dimensions) return fail(c, DimensionCountMismatch);
    return NoError;
}
