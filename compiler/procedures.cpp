// Procedure definitions, EndProc and ExitProc.
#include "compile_messages.h"
#include "compiler.h"
#include "keyword_lookup.h"

namespace {

constexpr std::size_t maxParameters = 8;

bool anyBlockOpen(const Compiler& c) {
    if (!c.ifs.empty()) return true;
    for (const auto& stack : c.loops)
        if (!stack.empty()) return true;
    return false;
}

}  // namespace

int compileProcedure(Compiler& c) {
    Cursor& cur = *c.cur;
    if (c.scope != mainScope) return fail(c, AlreadyInProcedure);
    if (anyBlockOpen(c)) return fail(c, ProcedureNotAllowedHere);
    std::string_view name = cur.readIdentifier();
    if (name.empty()) return fail(c, ProcedureLabelExpected);
    ValueKind kind = cur.readSuffix();
    if (isReservedName(name, kind)) return fail(c, KeywordMisuse);
    if (findVariable(c.symbols, name, kind, c.scope) >= 0) return fail(c, ProcedureLabelUsed);
    int number = findProcedure(c.symbols, name, kind);
    if (number && c.symbols.procedures[number - 1].definitionLine != noLine) return fail(c, ProcedureAlreadyDefined);
    bool calledBefore = number != 0;
    if (!number) {
        if (name.size() > maxNameLength) return fail(c, NameTooLong);
        number = createProcedure(c.symbols, name, kind);
    }
    auto procedure = [&]() -> ProcedureRecord& { return c.symbols.procedures[number - 1]; };
    c.scope = number;
    procedure().definitionLine = c.line;
    int skipLabel = 0;
    int setupLabel = 0;
    if (int e = createLabel(c.symbols, "", c.scope, true, c.line, skipLabel)) return fail(c, e);
    if (int e = createLabel(c.symbols, "", c.scope, true, c.line, setupLabel)) return fail(c, e);
    procedure().skipLabel = skipLabel;
    procedure().setupLabel = setupLabel;
    c.out.procedureStart(skipLabel, number, setupLabel);

    std::vector<ValueKind> parameters;
    const std::vector<ValueKind> called = procedure().parameters;
    if (cur.peek() == '[') {
        cur.advance();
        for (;;) {
            if (!isLetter(cur.peek())) return fail(c, VariableLabelExpected);
            std::string_view parameter = cur.readIdentifier();
            if (parameter.empty()) return fail(c, ProcedureLabelExpected);
            ValueKind parameterKind = cur.readSuffix();
            if (isReservedName(parameter, parameterKind)) return fail(c, KeywordMisuse);
            std::size_t position = parameters.size();
            if (calledBefore) {
                if (position >= called.size()) return fail(c, TooManyProcedureArguments);
                if (called[position] != parameterKind) return fail(c, TypeMismatch);
            }
            if (position >= maxParameters) return fail(c, TooManyProcedureArguments);
            int slot = 0;
            if (int e = createVariable(c.symbols, parameter, parameterKind, c.line, c.scope, slot)) return fail(c, e);
            if (slot >= 9999) return fail(c, OutOfVariableMemory);
            c.out.parameterCopy(parameterKind, slot, int(position));
            parameters.push_back(parameterKind);
            char separator = cur.peek();
            cur.advance();
            if (separator == ']') break;
            if (separator != ',') return fail(c, SyntaxError);
            if (parameters.size() == maxParameters) return fail(c, TooManyProcedureParameters);
        }
    }
    if (calledBefore && called.size() > parameters.size()) return fail(c, MissingProcedureArguments);
    procedure().parameters = std::move(parameters);
    procedure().parametersFixed = true;
    return NoError;
}

int compileEndProc(Compiler& c, bool isEndProc) {
    if (c.scope == mainScope) return fail(c, NotInProcedure);
    if (isEndProc && anyBlockOpen(c)) return fail(c, EndProcNotAllowedHere);
    const ValueKind kind = c.symbols.procedures[c.scope - 1].kind;
    if (!c.cur->atEnd()) {
        c.out.returnValueStart(kind);
        if (int e = compileExpression(c, kind, endOfStatement)) return e;
        c.out.returnValueEnd();
    }
    c.out.procedureExit(c.scope);
    if (!isEndProc) return NoError;
    // Taken only now: the return value may call procedures not yet defined,
    // whose new records move the table.
    const ProcedureRecord& p = c.symbols.procedures[c.scope - 1];
    c.out.setupBlock(p.setupLabel, tableSizes(c.symbols, c.scope));
    c.out.labelMark(p.skipLabel);
    c.scope = mainScope;
    return NoError;
}
