// Cutting lines into statements, Include files, and the checks after the last line.
#include "compile_messages.h"
#include "compiler.h"
#include "source_files.h"
#include "source_text.h"
#include "statement_operands.h"

namespace {

constexpr std::size_t includeLineLimit = 251;
constexpr std::size_t includeDepthLimit = 64;  // a file that includes itself stops here

}  // namespace

std::string statementText(std::string_view line, int statementIndex) {
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) return {};
    if (statementIndex >= 2) {
        std::size_t pos = std::string_view::npos;
        int seen = 0;
        for (std::size_t i = 0; i < line.size(); ++i)
            if (line[i] == ':' && ++seen == statementIndex - 1) { pos = i; break; }
        if (pos != std::string_view::npos) start = pos;
    }
    return std::string(line.substr(start));
}

namespace {

int compileRewritten(Compiler& c, std::string line) {
    // Colons before the first non-blank character of a line are ignored.
    for (char& ch : line) {
        if (ch == ':') ch = ' ';
        else if (!isBlank(ch)) break;
    }
    std::size_t pos = 0;
    for (;;) {
        std::string statement;
        char quote = 0;
        std::size_t i = pos;
        for (; i < line.size(); ++i) {
            char ch = line[i];
            if (quote) {
                if (ch == quote) quote = 0;
            } else if (ch == '"' || ch == '\'') {
                quote = ch;
            } else if (ch == ':' || ch == ';') {
                break;
            }
            statement += ch;
            if (statement.size() > statementLimit) return fail(c, LineTooLong);
        }
        char ender = i < line.size() ? line[i] : endOfStatement;
        c.lineConsumed = false;
        if (int e = compileStatement(c, statement, std::string_view(line).substr(pos), ender == ':')) return e;
        if (c.lineConsumed || ender != ':') return NoError;
        pos = i + 1;
        ++c.statementIndex;
    }
}

}  // namespace

int fail(Compiler& c, int code) {
    if (c.fault.code) return c.fault.code;
    c.fault.code = code;
    c.fault.line = c.line;
    c.fault.text = statementText(c.lineText, c.generatingFrom >= 0 ? c.generatingFrom : c.statementIndex);
    c.fault.callName = c.callName;
    c.fault.parameter = c.parameterNumber;
    if (c.currentInclude) {
        c.fault.includeName = c.currentInclude->name;
        c.fault.includePath = c.currentInclude->path;
    }
    if (code == TooManyVariables) {
        const Symbols& s = c.symbols;
        static constexpr const char* kindNames[] = {"", "integer", "float", "string"};
        hint(c, s.refusedLocal ? ProcedureVariableLimit : MainProgramVariableLimit, kindNames[int(s.refusedKind)],
             s.refusedSlotTotal);
    }
    return code;
}

int hint(Compiler& c, int which, std::string_view name, long long count) {
    if (c.fault.code && !c.fault.hint) {
        c.fault.hint = which;
        c.fault.hintName = std::string(name);
        c.fault.hintCount = count;
    }
    return c.fault.code;
}

int failWithText(Compiler& c, int code, std::string text) {
    bool first = c.fault.code == 0;
    fail(c, code);
    if (first) c.fault.text = std::move(text);
    return c.fault.code;
}

int failAt(Compiler& c, int code, int line, std::string text) {
    if (c.fault.code) return c.fault.code;
    c.fault.code = code;
    c.fault.line = line;
    c.fault.text = std::move(text);
    return code;
}

int startPass(Compiler& c) {
    registerBuiltinDefines(c.defines);
    int mainSetup = 0;
    if (int e = createLabel(c.symbols, "", mainScope, true, 0, mainSetup)) return fail(c, e);
    c.out.programStart();
    // Rgb is a keyword, so its definition skips the reserved-name test.
    c.checkReservedDefines = false;
    int e = compileLine(c, 0, rgbDefinition);
    c.checkReservedDefines = true;
    return e;
}

int compileLine(Compiler& c, int line, std::string_view text) {
    c.line = line;
    c.lineText = text;
    c.statementIndex = 0;
    // The image cannot carry a NUL: the runtime would refuse the whole program.
    if (text.find('\0') != std::string_view::npos)
        return failWithText(c, SyntaxError, "a NUL character (code 0) cannot be part of a program");
    std::string rewritten;
    if (int e = rewriteLine(c.defines, text, rewritten)) return fail(c, e);
    return compileRewritten(c, std::move(rewritten));
}

int compileGeneratedLine(Compiler& c, std::string_view text) {
    // Faults inside a generated line are shown with the statement that generated it.
    int statementIndex = c.statementIndex;
    int generatingFrom = c.generatingFrom;
    if (generatingFrom < 0) c.generatingFrom = statementIndex;
    std::string rewritten;
    int e = rewriteLine(c.defines, text, rewritten);
    if (e) e = fail(c, e);
    else e = compileRewritten(c, std::move(rewritten));
    c.statementIndex = statementIndex;
    c.generatingFrom = generatingFrom;
    return e;
}

void closeSingleLineIfs(Compiler& c) {
    while (!c.ifs.empty() && c.ifs.back().singleLine) {
        c.out.falseTarget(c.ifs.back().falseTarget);
        c.ifs.pop_back();
    }
}

int compileIncludes(Compiler& c, int documentLine) {
    while (!c.includes.empty()) {
        IncludeFile& f = *c.includes.back();
        if (f.readPos >= f.content.size()) {
            c.includes.pop_back();
            continue;
        }
        std::size_t end = f.content.find('\n', f.readPos);
        if (end == std::string::npos) end = f.content.size();
        std::string_view text = std::string_view(f.content).substr(f.readPos, end - f.readPos);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        f.readPos = end + 1;
        ++f.lineCounter;  // Include-file lines count from 1, like document lines
        c.currentInclude = &f;
        if (text.size() > includeLineLimit) {
            c.line = f.lineCounter;
            c.lineText = text;
            c.statementIndex = 0;
            return fail(c, LineTooLong);
        }
        if (text.empty()) continue;
        c.out.lineMark(documentLine);
        ++c.compiledLines;
        if (int e = compileLine(c, f.lineCounter, text)) return e;
        closeSingleLineIfs(c);
        c.currentInclude = nullptr;
    }
    c.currentInclude = nullptr;
    return NoError;
}

int pushInclude(Compiler& c, std::string_view name) {
    if (c.includes.size() >= includeDepthLimit) return fail(c, CannotOpenFile);
    auto file = std::make_unique<IncludeFile>();
    file->name = std::string(name);
    file->path = sourceRelative(c, file->name);
    std::string bytes;
    if (!readWholeFile(file->path, bytes)) return fail(c, CannotOpenFile);
    SourceText decoded = decodeSourceText(bytes);
    file->content = std::move(decoded.text);
    c.includeFiles.push_back(file->path);
    c.includes.push_back(std::move(file));
    if (decoded.badLine != 0) {
        // The fault belongs to the Include file's line, as a fault inside it would.
        c.currentInclude = c.includes.back().get();
        c.line = decoded.badLine;
        failWithText(c, SyntaxError, outsideLatin1Text(decoded.badCharacter));
        c.currentInclude = nullptr;
        return SyntaxError;
    }
    return NoError;
}

int finishChecks(Compiler& c) {
    c.currentInclude = nullptr;
    static constexpr std::pair<LoopKind, int> openLoops[] = {
        {ForLoop, ForWithoutNext}, {WhileLoop, WhileWithoutWend},
        {RepeatLoop, RepeatWithoutUntil}, {DoLoop, DoWithoutLoop}};
    for (auto [kind, code] : openLoops)
        if (!c.loops[kind].empty()) return failAt(c, code, c.loops[kind].back().line, "");
    for (auto i = c.ifs.rbegin(); i != c.ifs.rend(); ++i)
        if (!i->singleLine) return failAt(c, IfWithoutEndIf, i->line, "");
    if (c.scope != mainScope)
        return failAt(c, MissingEndProc, c.symbols.procedures[c.scope - 1].definitionLine, " ");
    for (const ProcedureRecord& p : c.symbols.procedures)
        if (p.definitionLine == noLine)
            return failAt(c, MissingProcedure, p.firstCallLine, p.name + kindSuffix(p.kind));
    return NoError;
}

int checkLabels(Compiler& c) {
    for (const LabelRecord& l : c.symbols.labels)
        if (!l.defined)
            return failAt(c, LocationNotDefined, l.firstReferenceLine,
                          l.firstReferenceText.empty() ? " " : l.firstReferenceText);
    return NoError;
}
