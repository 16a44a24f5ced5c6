// Starting a statement: definitions, statement keywords, built-in commands,
// labels, assignments and procedure calls; and the small statements.
#include "compile_messages.h"
#include "compiler.h"
#include "keyword_lookup.h"
#include "keyword_table.h"
#include "statement_keywords.h"

namespace {

constexpr std::size_t maxReadTarget = 100;

int compileKeywordStatement(Compiler& c, int keyword) {
    switch (keyword) {
    case KwGoto: return compileJumpStatement(c, false);
    case KwRestore: return compileJumpStatement(c, true);
    case KwVendor: case KwVersion: case KwSetIcon: case KwSetResolution: case KwTargetResolution:
    case KwSetOrientation: case KwSetTouchScreen:
        return compileHeaderStatement(c, keyword);
    case KwInclude: return compileIncludeStatement(c);
    case KwLoadImage: case KwLoadMultiImage: case KwLoadWav: case KwLoadMp3: case KwLoadMid: case KwLoadMap:
        return compileResourceStatement(c, keyword);
    case KwGlobal: return compileGlobal(c);
    case KwDim: return compileDim(c, c.scope);
    case KwProcedure: return compileProcedure(c);
    case KwEndProc: return compileEndProc(c, true);
    case KwExitProc: return compileEndProc(c, false);
    case KwIf: return compileIf(c, false);
    case KwElse: return compileElse(c);
    case KwEndIf: return compileEndIf(c);
    case KwThen: case KwTo: case KwStep: return fail(c, SyntaxError);
    case KwData: return compileData(c);
    case KwRead: return compileRead(c);
    case KwPrint: return compilePrint(c);
    case KwSort: return compileSort(c);
    case KwFor: return compileFor(c);
    case KwDo: case KwLoop: case KwExitLoop: case KwRepeat: case KwUntil: case KwExitRepeat:
    case KwWhile: case KwWend: case KwExitWhile: case KwNext: case KwExitFor:
        return compileLoopStatement(c, keyword);
    case KwEnd:
        c.out.endProgram();
        return NoError;
    default:
        // Words the rewriter normally replaces, and And / Or: no code.
        return NoError;
    }
}

// "step = 0", "Print = 5": a keyword where a variable is assigned.
int refuseKeywordTarget(Compiler& c, Cursor& cur, std::string_view word) {
    std::size_t afterWord = cur.pos;
    ValueKind suffix = cur.readSuffix();
    bool assigned = cur.peek() == '=';
    cur.pos = afterWord;
    if (!assigned || !isReservedName(word, suffix)) return NoError;
    fail(c, KeywordMisuse);
    return hint(c, KeywordAsVariable, std::string(keywordTable[findStatementKeyword(word)].name) + kindSuffix(suffix));
}

// Whether the word stands in the statement outside string literals.
bool hasWord(std::string_view statement, std::string_view word) {
    Cursor cur{statement, 0};
    bool quoted = false;
    while (cur.pos < statement.size()) {
        char ch = cur.current();
        if (ch == '"') quoted = !quoted;
        if (!quoted && isLetter(ch) && (cur.pos == 0 || !isNameChar(statement[cur.pos - 1]))) {
            if (sameName(cur.readIdentifier(), word)) return true;
        } else {
            cur.advance();
        }
    }
    return false;
}

int compileAssignment(Compiler& c, std::string_view name, ValueKind kind) {
    c.cur->advance();  // "="
    if (isReservedName(name, kind)) return fail(c, KeywordMisuse);
    int slot = 0;
    if (int e = variableSlot(c, name, kind, slot)) return e;
    c.out.assignment(kind, slot);
    return compileExpression(c, kind, endOfStatement);
}

int compileWord(Compiler& c, Cursor& cur, std::string_view word, bool endedByColon) {
    if (int e = refuseKeywordTarget(c, cur, word)) return e;
    int keyword = findStatementKeyword(word);
    if (keyword != noKeyword && keyword < firstBuiltinCode) return compileKeywordStatement(c, keyword);

    std::size_t afterWord = cur.pos;
    ValueKind suffix = cur.readSuffix();
    int builtin = findBuiltin(word, suffix);
    if (builtin != noKeyword) {
        if (builtin == int(Builtin::JoyPad)) c.settings.joypadUsed = 1;
        return compileBuiltinCall(c, builtin, word, false, suffix);
    }
    if (c.statementIndex == 0 && endedByColon && afterWord == cur.text.size())
        return compileLabelDefinition(c, word);

    int array = findArray(c.symbols, word, suffix, c.scope);
    if (array >= 0) return compileArrayElement(c, array, true);
    char next = cur.peek();
    if (next == '=') return compileAssignment(c, word, suffix);
    if (next == '[' || next == endOfStatement) return compileProcedureCall(c, word, suffix);
    fail(c, SyntaxError);
    std::string name = std::string(word) + kindSuffix(suffix);
    if (next == '(') hint(c, findProcedure(c.symbols, word, suffix) ? ProcedureWithRoundBrackets : NotAnArrayOrProcedure, name);
    return c.fault.code;
}

}  // namespace

int compileStatement(Compiler& c, std::string_view statement, std::string_view restOfLine, bool endedByColon) {
    Cursor cur{statement, 0};
    Cursor* outer = c.cur;
    c.cur = &cur;
    int e = NoError;
    char ch = cur.peek();
    if (ch == endOfStatement || ch == ';') {
        // An empty statement writes nothing.
    } else if (!isLetter(ch)) {
        e = fail(c, SyntaxError);
    } else {
        std::string_view word = cur.readIdentifier();
        if (sameName(word, "define") || sameName(word, "deffn")) {
            e = defineFromLine(c.defines, restOfLine, c.checkReservedDefines);
            if (e) e = fail(c, e);
            c.lineConsumed = true;
        } else {
            e = compileWord(c, cur, word, endedByColon);
            if (!e && !cur.atEnd()) e = fail(c, SyntaxErrorAtEnd);
            if (e && !c.ifs.empty() && c.ifs.back().singleLine && hasWord(statement, "Else"))
                hint(c, ElseOnOneLineIf);
        }
        if (!e) c.out.statementEnd();
    }
    c.cur = outer;
    return e;
}

int compileLabelDefinition(Compiler& c, std::string_view name) {
    if (isReservedName(name, ValueKind::Integer)) return fail(c, KeywordMisuse);
    int number = findLabel(c.symbols, name, c.scope);
    if (number >= 0) {
        LabelRecord& label = c.symbols.labels[number];
        if (label.defined) return fail(c, DuplicateLabel);
        label.defined = true;
        label.definitionLine = c.line;
    } else if (int e = createLabel(c.symbols, name, c.scope, true, c.line, number)) {
        return fail(c, e);
    }
    c.out.userLabelMark(number);
    return NoError;
}

int compileJumpStatement(Compiler& c, bool restore) {
    std::string_view name = c.cur->readIdentifier();
    if (name.empty()) return fail(c, LabelExpected);
    int number = findLabel(c.symbols, name, c.scope);
    if (number < 0) {
        if (isReservedName(name, ValueKind::Integer)) return fail(c, KeywordMisuse);
        if (int e = createLabel(c.symbols, name, c.scope, false, c.line, number)) return fail(c, e);
    }
    LabelRecord& label = c.symbols.labels[number];
    if (label.firstReferenceLine == noLine) {
        label.firstReferenceLine = c.line;
        label.firstReferenceText = statementText(c.lineText, 0);
    }
    if (restore) c.out.restoreData(number);
    else c.out.jump(number);
    return NoError;
}

int compilePrint(Compiler& c) {
    Cursor& cur = *c.cur;
    if (cur.atEnd()) {
        // An empty string: the runtime moves to the next text line.
        c.out.printStart(ValueKind::String);
        c.out.printEnd();
        return NoError;
    }
    for (;;) {
        ValueKind kind = firstTokenKind(cur.text, cur.pos);
        if (kind == ValueKind::None) return fail(c, SyntaxError);
        c.out.printStart(kind);
        if (int e = compileExpression(c, kind, endOfStatement, false, true)) return e;
        c.out.printEnd();
        if (cur.peek() != ',') return NoError;
        cur.advance();
        if (cur.atEnd()) return NoError;
    }
}

int compileData(Compiler& c) {
    Cursor& cur = *c.cur;
    if (cur.atEnd()) return NoError;
    for (;;) {
        ValueKind kind = firstTokenKind(cur.text, cur.pos);
        if (kind == ValueKind::None) return fail(c, SyntaxError);
        std::string item;
        if (kind == ValueKind::String) {
            if (cur.peek() != '"') return fail(c, DataOnlyValues);
            std::size_t close = cur.text.find('"', cur.pos + 1);
            if (close == std::string_view::npos) return fail(c, MissingQuote);
            item = std::string(cur.text.substr(cur.pos + 1, close - cur.pos));
            cur.pos = close + 1;
        } else {
            if (cur.peek() == '-') {
                item += '-';
                cur.advance();
                cur.peek();
            }
            char ch = cur.current();
            if (!isDigit(ch) && ch != '$') return fail(c, DataOnlyValues);
            std::size_t start = cur.pos;
            NumberLiteral n;
            if (int e = readNumber(cur, n)) return fail(c, e);
            if (ch == '$') {
                item += std::to_string(n.value);
                if (kind == ValueKind::Float && n.hasFraction) item += "." + n.fraction;
            } else {
                item += cur.text.substr(start, cur.pos - start);  // decimal digits as written
            }
        }
        c.out.dataItem(kind, item);
        if (cur.peek() != ',') return NoError;
        cur.advance();
    }
}

int compileRead(Compiler& c) {
    Cursor& cur = *c.cur;
    std::string_view rest = cur.rest();
    cur.pos = cur.text.size();
    std::vector<std::string_view> targets;
    int depth = 0;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        char ch = rest[i];
        if (ch == '"') quoted = !quoted;
        if (quoted) continue;
        if (ch == '(' || ch == '[') ++depth;
        else if ((ch == ')' || ch == ']') && depth > 0) --depth;
        else if (ch == ',' && depth == 0) {
            targets.push_back(rest.substr(start, i - start));
            start = i + 1;
        }
    }
    targets.push_back(rest.substr(start));
    for (std::string_view target : targets) {
        ValueKind kind = firstTokenKind(target, 0);
        if (kind == ValueKind::None || target.size() > maxReadTarget) return fail(c, SyntaxError);
        static constexpr std::string_view reads[] = {"", " = readdata()", " = readdata#()", " = readdata$()"};
        if (int e = compileGeneratedLine(c, std::string(target) + std::string(reads[int(kind)]))) return e;
    }
    return NoError;
}

int compileSort(Compiler& c) {
    std::string_view name = c.cur->readIdentifier();
    if (name.empty()) return fail(c, ArrayExpected);
    ValueKind kind = c.cur->readSuffix();
    int array = findArray(c.symbols, name, kind, c.scope);
    if (array < 0) return fail(c, ArrayNotDefined);
    const ArrayRecord& a = c.symbols.arrays[array];
    c.out.sortArray(kind, a.firstSlot, a.lastSlot);
    return NoError;
}

int compileDim(Compiler& c, int scope) {
    Cursor& cur = *c.cur;
    if (!isLetter(cur.peek())) return fail(c, VariableLabelExpected);
    std::string_view name = cur.readIdentifier();
    ValueKind kind = cur.readSuffix();
    if (findVariable(c.symbols, name, kind, c.scope) >= 0) return fail(c, VariableInUse);
    if (isReservedName(name, kind)) return fail(c, KeywordMisuse);
    if (findArray(c.symbols, name, kind, scope == globalScope ? c.scope : scope) >= 0 ||
        (scope == globalScope && findArray(c.symbols, name, kind, globalScope) >= 0))
        return fail(c, DimAlreadyDefined);
    if (cur.peek() != '(') return fail(c, DimDimensionExpected);
    ArrayRecord array;
    array.name = std::string(name);
    array.kind = kind;
    array.line = c.line;
    array.scope = scope;
    while (cur.peek() == '(') {
        if (array.sizes.size() == 5) return fail(c, TooManyDimensions);
        cur.advance();
        char ch = cur.peek();
        if (ch == endOfStatement) return fail(c, DimValueExpected);
        if (!isDigit(ch)) return fail(c, DimRequiresNumber);
        long long size = 0;
        while (isDigit(cur.current())) {
            size = std::min(size * 10 + (cur.current() - '0'), 1LL << 40);
            cur.advance();
        }
        // An array needs at least one element in every dimension.
        if (cur.peek() != ')' || size == 0) return fail(c, DimRequiresNumber);
        cur.advance();
        array.sizes.push_back(size);
    }
    int index = 0;
    if (int e = createArray(c.symbols, std::move(array), index)) return fail(c, e);
    return NoError;
}

int compileGlobal(Compiler& c) {
    Cursor& cur = *c.cur;
    cur.peek();
    if (cur.matchWord("Dim")) return compileDim(c, globalScope);
    for (;;) {
        if (!isLetter(cur.peek())) return fail(c, VariableLabelExpected);
        std::string_view name = cur.readIdentifier();
        ValueKind kind = cur.readSuffix();
        if (findVariable(c.symbols, name, kind, c.scope) >= 0) return fail(c, VariableInUse);
        if (isReservedName(name, kind)) return fail(c, KeywordMisuse);
        int slot = 0;
        if (int e = createVariable(c.symbols, name, kind, c.line, globalScope, slot)) return fail(c, e);
        if (cur.peek() != ',') return NoError;
        cur.advance();
    }
}
