#include "compile_program.h"

#include "compile_messages.h"

#include <new>

namespace {

// Name records for the variable dump: globals and main-program variables, each kind newest first.
void writeNames(const Compiler& c) {
    for (int k = 0; k < 3; ++k) {
        ValueKind kind = ValueKind(k + 1);
        const auto& records = c.symbols.variables[k];
        for (auto v = records.rbegin(); v != records.rend(); ++v) {
            if (v->scope != globalScope && v->scope != mainScope) continue;
            if (v->isArray) c.out.arrayName(kind, v->slot, v->lastSlot - v->slot, v->name);
            else c.out.variableName(kind, v->slot, v->name);
        }
    }
}

int compileLines(Compiler& c, const std::vector<std::string>& lines) {
    if (int e = startPass(c)) return e;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;  // an empty line gets no line mark
        int number = int(i + 1);
        c.out.lineMark(number);
        ++c.compiledLines;
        if (int e = compileLine(c, number, lines[i])) return e;
        closeSingleLineIfs(c);
        if (int e = compileIncludes(c, number)) return e;
    }
    if (int e = finishChecks(c)) return e;
    c.out.endProgram();
    c.out.statementEnd();
    int e = checkLabels(c);
    if (!e) c.out.setupBlock(0, tableSizes(c.symbols, mainScope));
    writeNames(c);
    c.out.trailer(c.settings, int(c.symbols.labels.size()) - 1, c.trueTargets, c.falseTargets,
                  int(c.symbols.procedures.size()));
    return e;
}

}  // namespace

CompileOutcome compileProgram(CodeWriter& out, const std::vector<std::string>& lines,
                              const std::filesystem::path& sourceFolder) {
    Compiler c(out, sourceFolder);
    try {
        compileLines(c, lines);
    } catch (const std::bad_alloc&) {
        // A program or an Include file too large for memory is a compile error, not an abort.
        c.fault = {};
        failAt(c, OutOfMemory, c.line, " ");
    }
    CompileOutcome outcome;
    outcome.fault = std::move(c.fault);
    outcome.compiledLines = c.compiledLines;
    outcome.settings = std::move(c.settings);
    outcome.resourceFiles = std::move(c.resourceFiles);
    outcome.includeFiles = std::move(c.includeFiles);
    return outcome;
}
