// Compiles statements into fast steps, from the decoded codes. Anything the
// fast form does not cover (strings, calls, prints, procedures, a negation
// that is not followed by its number, a code a damaged image holds) leaves the
// statement to the evaluator.
#include "fast_steps.h"

#include "interp.h"
#include "numbers.h"
#include "values.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// A group covers at most this many statements, fewer than the pump's interval,
// so that a whole group can run between two checkpoints.
constexpr uint32_t maxGroupSteps = 32;
constexpr size_t maxExpressionMicros = 64;

// Slots of 5000 and above address the running procedure's locals.
constexpr int32_t firstLocalSlot = 5000;

struct Compiler {
    Image& image;
    const CodeTable table;
    std::vector<Micro>& micros;
    size_t expressionStart = 0;

    // The code at pos, or nullopt where the text cannot go on (the end of a
    // damaged image, a record that does not advance).
    std::optional<CodeAt> codeAt(uint32_t pos) const {
        const CodeAt at = table.at(pos);
        if (at.next <= pos || at.code.op == Op::Undecoded) return std::nullopt;
        return at;
    }

    bool emit(Micro m) {
        if (micros.size() - expressionStart >= maxExpressionMicros) return false;
        micros.push_back(m);
        return true;
    }

    bool variable(char type, int32_t slot, Operator op, bool floatMode) {
        const bool local = slot >= firstLocalSlot;
        MicroSource m;
        if (type == '1') m = local ? (floatMode ? MicroSource::IntLocalToFloat : MicroSource::IntLocalToInt)
                                   : (floatMode ? MicroSource::IntGlobalToFloat : MicroSource::IntGlobalToInt);
        else m = local ? (floatMode ? MicroSource::FloatLocalToFloat : MicroSource::FloatLocalToInt)
                       : (floatMode ? MicroSource::FloatGlobalToFloat : MicroSource::FloatGlobalToInt);
        return emit({microCode(m, static_cast<char>(op)), 0, local ? slot - firstLocalSlot : slot});
    }

    bool constant(Operator op, bool floatMode, int32_t integer, float real) {
        Micro m{microCode(floatMode ? MicroSource::ConstantToFloat : MicroSource::ConstantToInt, static_cast<char>(op)), 0};
        m.integer = integer;
        m.real = real;
        return emit(m);
    }

    // One evaluation level in the given mode, from pos to the code that ends
    // it, which is returned with pos after it.
    std::optional<DecodedCode> level(uint32_t& pos, bool floatMode, int nesting) {
        Operator op = Operator::None;
        bool negate = false;
        for (;;) {
            const std::optional<CodeAt> at = codeAt(pos);
            if (!at) return std::nullopt;
            const DecodedCode c = at->code;
            const uint32_t codePos = pos;
            pos = at->next;
            switch (c.op) {
                case Op::Space: case Op::Record: case Op::TargetMark: continue;
                case Op::Arithmetic: op = static_cast<Operator>(c.aux); continue;
                case Op::Negate: negate = !negate; continue;
                case Op::ArithmeticLiteral: case Op::IntegerLiteral: {
                    if (c.op == Op::ArithmeticLiteral) op = static_cast<Operator>(c.aux);
                    const int32_t v = negate ? static_cast<int32_t>(0u - static_cast<uint32_t>(c.value)) : c.value;
                    if (!constant(op, floatMode, v, static_cast<float>(v))) return std::nullopt;
                    op = Operator::None;
                    negate = false;
                    continue;
                }
                case Op::FloatLiteral: {
                    float v;
                    std::memcpy(&v, &c.value, sizeof v);
                    if (negate) v = -v;
                    if (!constant(op, floatMode, truncateToInt(v), v)) return std::nullopt;
                    op = Operator::None;
                    negate = false;
                    continue;
                }
                case Op::Read: case Op::ArithmeticInteger: case Op::ArithmeticFloat: {
                    // A negation waits for the next number, past any variable: left to the evaluator.
                    if (negate) return std::nullopt;
                    char type = c.aux;
                    if (c.op != Op::Read) {
                        op = static_cast<Operator>(c.aux);
                        type = c.op == Op::ArithmeticInteger ? '1' : '2';
                    }
                    if (type != '1' && type != '2') return std::nullopt;
                    if (!variable(type, c.value, op, floatMode)) return std::nullopt;
                    op = Operator::None;
                    continue;
                }
                case Op::GroupOpen: case Op::ElementRead: {
                    if (negate || nesting + 1 >= maxMicroNesting) return std::nullopt;
                    const bool element = c.op == Op::ElementRead;
                    if (element && c.aux != '1' && c.aux != '2') return std::nullopt;
                    const int32_t highest = element ? readField(image.text(), image.length, codePos + 7) : 0;
                    if (!emit({microCode(MicroSource::Open, 0), 0})) return std::nullopt;
                    // An index is an integer evaluation; a group keeps the mode.
                    if (!levelEnded(level(pos, floatMode && !element, nesting + 1))) return std::nullopt;
                    MicroSource closing = floatMode ? MicroSource::CloseToFloat : MicroSource::CloseToInt;
                    if (element) closing = floatMode ? MicroSource::ElementToFloat : MicroSource::ElementToInt;
                    const Micro close{microCode(closing, static_cast<char>(op)), c.aux, c.value, highest};
                    if (!emit(close)) return std::nullopt;
                    op = Operator::None;
                    continue;
                }
                case Op::EndMark: case Op::GroupClose: case Op::CompareWith:
                case Op::TestLabel: case Op::TestFalse: case Op::TestTrue:
                    return c;
                default: return std::nullopt;
            }
        }
    }

    // An end mark or a group's close ends an evaluation and nothing else.
    static bool levelEnded(const std::optional<DecodedCode>& end) {
        return end && (end->op == Op::EndMark || end->op == Op::GroupClose);
    }

    bool expression(uint32_t& pos, bool floatMode, uint32_t& first, uint32_t& count,
                    std::optional<DecodedCode>* end = nullptr) {
        expressionStart = micros.size();
        first = static_cast<uint32_t>(expressionStart);
        std::optional<DecodedCode> ending = level(pos, floatMode, 0);
        count = static_cast<uint32_t>(micros.size() - expressionStart);
        if (end) {
            *end = ending;
            return ending.has_value();
        }
        return levelEnded(ending);
    }

    // A text variable or literal at pos, ended by the code after it, which is
    // returned with next after it.
    std::optional<DecodedCode> textOperand(uint32_t pos, TextOperand& operand, uint32_t& next) {
        const std::optional<CodeAt> text = codeAt(pos);
        if (!text) return std::nullopt;
        if (text->code.op == Op::Read && text->code.aux == '3') {
            operand.value = text->code.value;
        } else if (text->code.op == Op::StringLiteral) {
            const std::string_view literal = literalText(image, pos, text->next);
            operand.literal = true;
            operand.value = static_cast<int32_t>(literal.data() - image.text());
            operand.length = static_cast<uint32_t>(std::min(literal.size(), registerLength));
        } else {
            return std::nullopt;
        }
        const std::optional<CodeAt> after = codeAt(text->next);
        if (!after) return std::nullopt;
        next = after->next;
        return after->code;
    }

    // A step that only moves on, and what it sets on the way: codes that make
    // a step by themselves, or filler before such a code.
    std::optional<FastStep> plainStep(uint32_t pos, uint32_t& next) {
        for (;;) {
            const std::optional<CodeAt> at = codeAt(pos);
            if (!at) return std::nullopt;
            const DecodedCode c = at->code;
            next = at->next;
            switch (c.op) {
                case Op::Space: case Op::Record: case Op::TargetMark: pos = at->next; continue;
                case Op::EndMark: case Op::Mark: case Op::OtherOne: case Op::Comment: case Op::NameRecord:
                case Op::DataItem:
                    return FastStep{FastKind::Move};
                case Op::LineMark: {
                    FastStep s{FastKind::Move};
                    s.effect.setsLine = true;
                    s.effect.line = c.value;
                    return s;
                }
                case Op::CompareKind: {
                    FastStep s{FastKind::Move};
                    s.effect.opensComparison = true;
                    s.effect.kind = static_cast<ValueKind>(c.value);
                    return s;
                }
                case Op::Goto: case Op::GotoFalse:
                    if (c.value == badTarget) return std::nullopt;
                    next = static_cast<uint32_t>(c.value);
                    return FastStep{FastKind::Move};
                default: return std::nullopt;
            }
        }
    }

    // The statement at pos, compiled for a comparison of the given kind, and
    // in next where the evaluator would continue after it.
    std::optional<FastStep> step(uint32_t pos, ValueKind compared, uint32_t& next) {
        const std::optional<CodeAt> at = codeAt(pos);
        if (!at) return std::nullopt;
        const DecodedCode c = at->code;
        FastStep s{FastKind::Assign};
        if (c.op == Op::Assign && c.aux == '3') {
            s.kind = FastKind::AssignText;
            s.value = c.value;
            return levelEnded(textOperand(at->next, s.text, next)) ? std::optional(s) : std::nullopt;
        }
        if (c.op == Op::Assign || c.op == Op::ElementStore) {
            if (c.aux != '1' && c.aux != '2') return std::nullopt;
            s.type = c.aux;
            s.value = c.value;
            next = at->next;
            if (c.op == Op::ElementStore) {
                s.kind = FastKind::StoreElement;
                s.highest = readField(image.text(), image.length, pos + 7);
                if (!expression(next, false, s.indexMicros, s.indexCount)) return std::nullopt;
            }
            if (!expression(next, c.aux == '2', s.micros, s.microCount)) return std::nullopt;
            return s;
        }
        if (std::optional<FastStep> plain = plainStep(pos, next)) return plain;
        std::optional<DecodedCode> end;
        next = pos;
        if (compared == ValueKind::String) end = textOperand(pos, s.text, next);
        else if (compared == ValueKind::Integer || compared == ValueKind::Float)
            expression(next, compared == ValueKind::Float, s.micros, s.microCount, &end);
        if (!end) return std::nullopt;
        s.compared = compared;
        if (end->op == Op::CompareWith) {
            s.kind = FastKind::CompareLeft;
            s.aux = end->aux;
            return s;
        }
        if (end->op == Op::TestLabel || end->op == Op::TestFalse || end->op == Op::TestTrue) {
            if (end->value == badTarget) return std::nullopt;
            s.kind = FastKind::Test;
            s.aux = end->op == Op::TestTrue;
            s.value = end->value;
            return s;
        }
        return std::nullopt;
    }
};

}  // namespace

int32_t fastGroupAt(Interp& in, uint32_t pos) {
    FastSteps& fast = in.fastSteps;
    const auto [known, added] = fast.groupOf.try_emplace(pos, static_cast<int32_t>(fast.groups.size()));
    if (!added) return known->second;

    Compiler compiler{in.image, CodeTable(in.image), fast.micros};
    FastGroup group;
    group.firstStep = static_cast<uint32_t>(fast.steps.size());
    // The comparison kind the statements will meet: what is open now, as
    // the group's own statements change it (each step checks it when it runs).
    ValueKind compared = in.comparison.kind;
    uint32_t p = pos;
    while (group.stepCount < maxGroupSteps && p <= in.image.length) {
        const size_t microsBefore = fast.micros.size();
        uint32_t next = p;
        std::optional<FastStep> s = compiler.step(p, compared, next);
        if (!s) {
            fast.micros.resize(microsBefore);
            break;
        }
        s->position = p;
        s->after = next;
        fast.steps.push_back(*s);
        ++group.stepCount;
        p = next;
        if (s->effect.opensComparison) compared = s->effect.kind;
        if (s->kind == FastKind::Test) break;
    }
    FastStep end{FastKind::End};
    end.position = p;
    fast.steps.push_back(end);

    // Each move learns the run of moves it starts, so that a run between two
    // checkpoints passes in one dispatch.
    FastStep* const first = fast.steps.data() + group.firstStep;
    for (FastStep* s = first + group.stepCount; s-- != first;) {
        if (s->kind != FastKind::Move) continue;
        s->runEffect = s->effect;
        if (s[1].kind == FastKind::Move) {
            s->run = static_cast<uint16_t>(s[1].run + 1);
            s->runEffect.then(s[1].runEffect);
        }
    }
    fast.groups.push_back(group);
    return known->second;
}

int32_t fastArgumentAt(Interp& in, uint32_t pos, char kind) {
    FastSteps& fast = in.fastSteps;
    const auto [known, added] = fast.argumentOf.try_emplace(pos, static_cast<int32_t>(fast.arguments.size()));
    if (!added) return known->second;

    Compiler compiler{in.image, CodeTable(in.image), fast.micros};
    FastArgument argument;
    uint32_t end = pos;
    if (kind == '1' || kind == '2') {
        const size_t microsBefore = fast.micros.size();
        if (compiler.expression(end, kind == '2', argument.micros, argument.count)) argument.kind = kind;
        else fast.micros.resize(microsBefore);
    } else if (kind == '3') {
        if (Compiler::levelEnded(compiler.textOperand(pos, argument.text, end))) argument.kind = kind;
    }
    argument.end = end;
    fast.arguments.push_back(argument);
    return known->second;
}
