// Conditions, If / Else / EndIf, and the loops.
#include "compile_messages.h"
#include "compiler.h"
#include "statement_keywords.h"

namespace {

constexpr std::size_t maxForText = 100;
// Targets are written in four-digit fields, and the trailer holds their count.
constexpr int maxTargetNumber = 9998;

// One comparison term: its kind, the left side, the operator and the right side.
int compileTerm(Compiler& c) {
    ValueKind kind = firstTokenKind(c.cur->text, c.cur->pos);
    if (kind == ValueKind::None) return fail(c, SyntaxError);
    c.out.comparisonKind(kind);
    if (int e = compileExpression(c, kind, '<')) return e;
    c.out.comparison(c.comparison);
    return compileExpression(c, kind, '>');
}

int newLoop(Compiler& c, LoopKind kind, LoopRecord& loop) {
    loop.line = c.line;
    if (int e = createLabel(c.symbols, "", c.scope, true, c.line, loop.top)) return fail(c, e);
    if (int e = createLabel(c.symbols, "", c.scope, true, c.line, loop.exit)) return fail(c, e);
    if (kind == ForLoop)
        if (int e = createLabel(c.symbols, "", c.scope, true, c.line, loop.body)) return fail(c, e);
    c.loops[kind].push_back(loop);
    return NoError;
}

// The loop form of a condition: one term, the jump taken when it is false.
int compileLoopCondition(Compiler& c, int label) {
    if (int e = compileTerm(c)) return e;
    if (c.conditionEnd == EndsWithThen) return fail(c, SyntaxError);
    c.out.loopTest(label);
    return NoError;
}

// Finds a word at an identifier start outside quotes; followedBy lists the characters allowed after it.
std::size_t findWord(std::string_view text, std::size_t from, std::string_view word, std::string_view followedBy) {
    bool quoted = false;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (quoted || (i > 0 && isNameChar(text[i - 1]))) continue;
        if (i + word.size() < text.size() && sameName(text.substr(i, word.size()), word) &&
            followedBy.find(text[i + word.size()]) != std::string_view::npos)
            return i;
    }
    return std::string_view::npos;
}

}  // namespace

int compileIf(Compiler& c, bool elseIf) {
    int falseTarget = c.falseTargets;
    int trueTarget = c.trueTargets;
    if (falseTarget > maxTargetNumber || trueTarget > maxTargetNumber) return fail(c, TooManyLabels);
    for (;;) {
        if (int e = compileTerm(c)) return e;
        if (c.conditionEnd == EndsWithAnd) {
            c.out.jumpUnlessFalseTarget(falseTarget);
        } else if (c.conditionEnd == EndsWithOr) {
            c.out.jumpIfTrueTarget(trueTarget);
            c.out.falseTarget(falseTarget);
            falseTarget = ++c.falseTargets;
            if (falseTarget > maxTargetNumber) return fail(c, TooManyLabels);
        } else {
            break;
        }
    }
    c.out.jumpUnlessFalseTarget(falseTarget);
    c.out.trueTarget(trueTarget);
    ++c.trueTargets;
    c.ifs.push_back({c.line, c.conditionEnd == EndsWithThen, falseTarget, false, elseIf});
    ++c.falseTargets;
    return NoError;
}

int compileElse(Compiler& c) {
    if (c.ifs.empty() || c.ifs.back().singleLine) return fail(c, ElseNotInIf);
    IfRecord& record = c.ifs.back();
    if (record.elseSeen) return fail(c, MultipleElse);
    int end = c.falseTargets++;
    if (end > maxTargetNumber) return fail(c, TooManyLabels);
    c.out.jumpToFalseTarget(end);
    c.out.falseTarget(record.falseTarget);
    record.falseTarget = end;
    record.elseSeen = true;
    Cursor& cur = *c.cur;
    std::size_t save = cur.pos;
    cur.peek();
    if (cur.matchWord("if") && isBlank(cur.current())) return compileIf(c, true);
    cur.pos = save;
    return NoError;
}

int compileEndIf(Compiler& c) {
    if (c.ifs.empty()) return fail(c, EndIfWithoutIf);
    if (c.ifs.back().singleLine) return fail(c, EndIfNotAllowedHere);
    // One EndIf closes a whole chain of Else If.
    bool chained = true;
    while (chained && !c.ifs.empty()) {
        IfRecord record = c.ifs.back();
        c.ifs.pop_back();
        c.out.falseTarget(record.falseTarget);
        chained = record.elseIf;
    }
    return NoError;
}

int compileLoopStatement(Compiler& c, int keyword) {
    auto& doLoops = c.loops[DoLoop];
    auto& repeatLoops = c.loops[RepeatLoop];
    auto& whileLoops = c.loops[WhileLoop];
    auto& forLoops = c.loops[ForLoop];
    LoopRecord loop;
    switch (keyword) {
    case KwDo:
        if (int e = newLoop(c, DoLoop, loop)) return e;
        c.out.labelMark(loop.top);
        return NoError;
    case KwLoop:
        if (doLoops.empty()) return fail(c, LoopWithoutDo);
        c.out.jump(doLoops.back().top);
        c.out.labelMark(doLoops.back().exit);
        doLoops.pop_back();
        return NoError;
    case KwExitLoop:
        if (doLoops.empty()) return fail(c, NotInDoLoop);
        c.out.jump(doLoops.back().exit);
        return NoError;
    case KwRepeat:
        if (int e = newLoop(c, RepeatLoop, loop)) return e;
        c.out.labelMark(loop.top);
        return NoError;
    case KwUntil:
        if (repeatLoops.empty()) return fail(c, NotInRepeatLoop);
        if (int e = compileLoopCondition(c, repeatLoops.back().top)) return e;
        c.out.labelMark(repeatLoops.back().exit);
        repeatLoops.pop_back();
        return NoError;
    case KwExitRepeat:
        if (repeatLoops.empty()) return fail(c, NotInRepeatLoop);
        c.out.jump(repeatLoops.back().exit);
        return NoError;
    case KwWhile:
        if (int e = newLoop(c, WhileLoop, loop)) return e;
        c.out.labelMark(loop.top);
        return compileLoopCondition(c, loop.exit);
    case KwWend:
        if (whileLoops.empty()) return fail(c, NotInWhileLoop);
        c.out.jump(whileLoops.back().top);
        c.out.labelMark(whileLoops.back().exit);
        whileLoops.pop_back();
        return NoError;
    case KwExitWhile:
        if (whileLoops.empty()) return fail(c, NotInWhileLoop);
        c.out.jump(whileLoops.back().exit);
        return NoError;
    case KwNext:
        if (forLoops.empty()) return fail(c, NotInForLoop);
        c.out.jump(forLoops.back().top);
        c.out.labelMark(forLoops.back().exit);
        forLoops.pop_back();
        if (!c.cur->atEnd()) {
            fail(c, SyntaxErrorAtEnd);
            return hint(c, NextWithName);
        }
        return NoError;
    default:  // ExitFor
        if (forLoops.empty()) return fail(c, NotInForLoop);
        c.out.jump(forLoops.back().exit);
        return NoError;
    }
}

// For v = s TO e [STEP k] is compiled as generated lines: the first pass jumps
// over the test and the step into the body; Next jumps back to the test.
int compileFor(Compiler& c) {
    Cursor& cur = *c.cur;
    std::string_view text = cur.rest();
    cur.pos = cur.text.size();
    ValueKind kind = firstTokenKind(text, 0);
    if (kind == ValueKind::None) return fail(c, SyntaxError);
    if (kind == ValueKind::String) return fail(c, StringNotAllowedHere);

    std::size_t equals = std::string_view::npos;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size() && equals == std::string_view::npos; ++i) {
        if (text[i] == '"') quoted = !quoted;
        else if (text[i] == '=' && !quoted) equals = i;
    }
    if (equals == std::string_view::npos || equals > maxForText) return fail(c, SyntaxError);
    std::string_view variable = text.substr(0, equals);

    std::size_t to = findWord(text, equals + 1, "to", " \t");
    if (to == std::string_view::npos) return fail(c, SyntaxError);
    std::string_view start = text.substr(equals + 1, to - equals - 1);

    std::size_t step = findWord(text, to + 2, "step", " \t-");
    std::string_view end = text.substr(to + 2, (step == std::string_view::npos ? text.size() : step) - to - 2);
    if (end.size() > maxForText) return fail(c, SyntaxError);
    std::string_view stepText = step == std::string_view::npos ? std::string_view("1") : text.substr(step + 4);
    std::size_t firstStepChar = stepText.find_first_not_of(" \t");
    bool negative = firstStepChar != std::string_view::npos && stepText[firstStepChar] == '-';

    LoopRecord loop;
    if (int e = newLoop(c, ForLoop, loop)) return e;
    std::string v(variable);
    if (int e = compileGeneratedLine(c, v + " = " + std::string(start))) return e;
    c.out.jump(loop.body);
    c.out.labelMark(loop.top);
    std::string test = "if " + v + (negative ? " <= " : " >= ") + std::string(end) + " then exitfor";
    if (int e = compileGeneratedLine(c, test)) return e;
    if (!c.ifs.empty() && c.ifs.back().singleLine) {
        c.out.falseTarget(c.ifs.back().falseTarget);
        c.ifs.pop_back();
    }
    if (int e = compileGeneratedLine(c, v + " = " + v + " + " + std::string(stepText))) return e;
    c.out.labelMark(loop.body);
    return NoError;
}
