// Compiles statements into fast steps, from the decoded codes. Anything the
// fast form does not cover (prints, procedures, calls of built-ins that do
// more than compute, a negation that is not followed by its number, a code a
// damaged image holds) leaves the statement to the evaluator.
#include "fast_steps.h"

#include "dispatch.h"
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
constexpr size_t maxTextTerms = 16;

// The sizes of the compiled tables, to take back what a failed compile added.
struct Extent {
    explicit Extent(const FastSteps& f)
        : micros(f.micros.size()), argumentMicros(f.argumentMicros.size()), arguments(f.arguments.size()),
          calls(f.calls.size()), terms(f.terms.size()) {}

    void restore(FastSteps& f) const {
        f.micros.resize(micros);
        f.argumentMicros.resize(argumentMicros);
        f.arguments.resize(arguments);
        f.calls.resize(calls);
        f.terms.resize(terms);
    }

    size_t micros, argumentMicros, arguments, calls, terms;
};

struct Compiler {
    Image& image;
    const CodeTable table;
    FastSteps& fast;
    std::vector<Micro>& micros;  // where this compiler's expressions go
    bool callsAllowed;           // false inside a call's arguments: a call's slots are one set per depth
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
        Micro m(microCode(floatMode ? MicroSource::ConstantToFloat : MicroSource::ConstantToInt, static_cast<char>(op)));
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
                    Micro close{microCode(closing, static_cast<char>(op)), c.aux, c.value};
                    close.highest = highest;
                    if (!emit(close)) return std::nullopt;
                    op = Operator::None;
                    continue;
                }
                case Op::Parameter:
                    // A parameter sets the accumulator and ends the evaluation.
                    if (c.value < 0 || c.value >= argumentSlots || (c.aux != '1' && c.aux != '2')) return std::nullopt;
                    if (!emit({microCode(MicroSource::Parameter, 0), c.aux, c.value})) return std::nullopt;
                    return c;
                case Op::BuiltinCall: {
                    if (negate) return std::nullopt;
                    const std::optional<int32_t> called = call(c.value, pos);
                    const MicroSource into = floatMode ? MicroSource::CallToFloat : MicroSource::CallToInt;
                    if (!called || !emit({microCode(into, static_cast<char>(op)), 0, *called})) return std::nullopt;
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

    // A call of built-in `code` whose arguments start at pos, compiled, with
    // pos after its end; nullopt unless the built-in computes only and every
    // argument compiles.
    std::optional<int32_t> call(int32_t code, uint32_t& pos) {
        if (!callsAllowed || !computesOnly(code)) return std::nullopt;
        Compiler arguments{image, table, fast, fast.argumentMicros, false};
        std::vector<FastArgument> compiled;
        for (;;) {
            std::optional<CodeAt> at = codeAt(pos);
            // One "e" before an argument or the end of the list is tolerated.
            if (at && at->code.op == Op::EndMark && at->code.aux == 'e') at = codeAt(at->next);
            if (!at) return std::nullopt;
            if (at->code.op == Op::ArgumentsEnd) {
                pos = at->next;
                break;
            }
            // The ninth argument is an error, which is the evaluator's to report.
            if (at->code.op != Op::Argument || compiled.size() + 1 >= argumentSlots) return std::nullopt;
            FastArgument argument;
            if (!arguments.argument(at->next, at->code.aux, argument)) return std::nullopt;
            compiled.push_back(argument);
            pos = argument.end;
        }
        const auto firstArgument = static_cast<uint32_t>(fast.arguments.size());
        fast.calls.push_back({code, firstArgument, static_cast<uint32_t>(compiled.size())});
        fast.arguments.insert(fast.arguments.end(), compiled.begin(), compiled.end());
        return static_cast<int32_t>(fast.calls.size() - 1);
    }

    // An argument whose value starts at pos: a number's expression, or a text
    // operand, then the end of the argument.
    bool argument(uint32_t pos, char kind, FastArgument& a) {
        uint32_t end = pos;
        if (kind == '1' || kind == '2') {
            if (!expression(end, kind == '2', a.micros, a.count)) return false;
        } else if (kind != '3' || !levelEnded(textOperand(pos, a.text, end))) {
            return false;
        }
        a.kind = kind;
        a.end = end;
        return true;
    }

    // A text expression from pos: text operands and calls joined by operators,
    // up to the code that ends it, which is returned with pos after it.
    std::optional<DecodedCode> textExpression(uint32_t& pos, uint32_t& first, uint16_t& count) {
        first = static_cast<uint32_t>(fast.terms.size());
        Operator op = Operator::None;
        for (;;) {
            if (fast.terms.size() - first >= maxTextTerms) return std::nullopt;
            const std::optional<CodeAt> at = codeAt(pos);
            if (!at) return std::nullopt;
            const DecodedCode c = at->code;
            const uint32_t codePos = pos;
            pos = at->next;
            TextTerm term;
            term.operation = static_cast<char>(op);
            switch (c.op) {
                case Op::Space: case Op::Record: case Op::TargetMark: continue;
                case Op::Arithmetic: op = static_cast<Operator>(c.aux); continue;
                case Op::Read: case Op::StringLiteral:
                    if (!operandOf(codePos, *at, term.operand)) return std::nullopt;
                    break;
                case Op::BuiltinCall: {
                    const std::optional<int32_t> called = call(c.value, pos);
                    if (!called) return std::nullopt;
                    term.call = *called;
                    break;
                }
                case Op::EndMark: case Op::GroupClose: case Op::CompareWith:
                case Op::TestLabel: case Op::TestFalse: case Op::TestTrue:
                    count = static_cast<uint16_t>(fast.terms.size() - first);
                    return c;
                default: return std::nullopt;
            }
            fast.terms.push_back(term);
            op = Operator::None;
        }
    }

    // An end mark, a group's close or a parameter ends an evaluation and nothing else.
    static bool levelEnded(const std::optional<DecodedCode>& end) {
        return end && (end->op == Op::EndMark || end->op == Op::GroupClose || end->op == Op::Parameter);
    }

    template <typename Count>
    bool expression(uint32_t& pos, bool floatMode, uint32_t& first, Count& count,
                    std::optional<DecodedCode>* end = nullptr) {
        expressionStart = micros.size();
        first = static_cast<uint32_t>(expressionStart);
        std::optional<DecodedCode> ending = level(pos, floatMode, 0);
        count = static_cast<Count>(micros.size() - expressionStart);
        if (end) {
            *end = ending;
            return ending.has_value();
        }
        return levelEnded(ending);
    }

    // The text variable or literal of the code at pos.
    bool operandOf(uint32_t pos, const CodeAt& text, TextOperand& operand) const {
        if (text.code.op == Op::Read && text.code.aux == '3') {
            operand.value = text.code.value;
            return true;
        }
        if (text.code.op != Op::StringLiteral) return false;
        const std::string_view literal = literalText(image, pos, text.next);
        operand.literal = true;
        operand.value = static_cast<int32_t>(literal.data() - image.text());
        operand.length = static_cast<uint32_t>(std::min(literal.size(), registerLength));
        return true;
    }

    // A text variable or literal at pos, ended by the code after it, which is
    // returned with next after it.
    std::optional<DecodedCode> textOperand(uint32_t pos, TextOperand& operand, uint32_t& next) {
        const std::optional<CodeAt> text = codeAt(pos);
        if (!text || !operandOf(pos, *text, operand)) return std::nullopt;
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
        next = at->next;
        switch (c.op) {
            case Op::Gosub:
                if (c.value == badTarget) return std::nullopt;
                s.kind = FastKind::Gosub;
                s.returnPosition = at->next;
                next = static_cast<uint32_t>(c.value);
                return s;
            case Op::Return: s.kind = FastKind::Return; return s;
            case Op::Drop: s.kind = FastKind::Drop; return s;
            case Op::ProcedureEnd: s.kind = FastKind::ProcedureEnd; return s;
            case Op::TableSize:
                s.kind = FastKind::TableSize;
                s.type = c.aux;
                s.value = c.value;
                s.lowestSlot = readField(image.text(), image.length, pos + 7);
                return s;
            case Op::ReturnValue:
                s.kind = FastKind::ReturnValue;
                s.type = c.aux;
                if (c.aux == '3') {
                    if (!levelEnded(textExpression(next, s.terms, s.termCount))) return std::nullopt;
                } else if (c.aux != '1' && c.aux != '2') {
                    return std::nullopt;
                } else if (!expression(next, c.aux == '2', s.micros, s.microCount)) {
                    return std::nullopt;
                }
                return s;
            default: break;
        }
        if (c.op == Op::Assign && c.aux == '3') {
            s.kind = FastKind::AssignText;
            s.value = c.value;
            next = at->next;
            return levelEnded(textExpression(next, s.terms, s.termCount)) ? std::optional(s) : std::nullopt;
        }
        if (c.op == Op::Assign || c.op == Op::ElementStore) {
            if (c.aux != '1' && c.aux != '2') return std::nullopt;
            s.type = c.aux;
            s.value = c.value;
            next = at->next;
            if (c.op == Op::ElementStore) {
                s.kind = FastKind::StoreElement;
                s.highest = readField(image.text(), image.length, pos + 7);
                uint32_t indexMicros;
                if (!expression(next, false, indexMicros, s.indexCount)) return std::nullopt;
            }
            if (!expression(next, c.aux == '2', s.micros, s.microCount)) return std::nullopt;
            return s;
        }
        if (std::optional<FastStep> plain = plainStep(pos, next)) return plain;
        std::optional<DecodedCode> end;
        next = pos;
        if (compared == ValueKind::String) end = textExpression(next, s.terms, s.termCount);
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

// Whether pos was reached before; it is from now on.
bool reachedBefore(FastSteps& fast, uint32_t length, uint32_t pos) {
    if (fast.reached.empty()) fast.reached.assign(length / 64 + 1, 0);
    const size_t block = pos / 64;
    if (block >= fast.reached.size()) return true;
    const uint64_t bit = uint64_t{1} << (pos % 64);
    const bool before = fast.reached[block] & bit;
    fast.reached[block] |= bit;
    return before;
}

}  // namespace

size_t fastStepsBytes(const FastSteps& f) {
    // A hash map entry holds its key, its value and the node's link; the buckets are pointers.
    const auto mapBytes = [](const std::unordered_map<uint32_t, int32_t>& m) {
        return m.size() * (sizeof(void*) + 2 * sizeof(uint32_t)) + m.bucket_count() * sizeof(void*);
    };
    return f.groups.capacity() * sizeof(FastGroup) + f.steps.capacity() * sizeof(FastStep) +
           (f.micros.capacity() + f.argumentMicros.capacity()) * sizeof(Micro) +
           f.arguments.capacity() * sizeof(FastArgument) + f.calls.capacity() * sizeof(FastCall) +
           f.terms.capacity() * sizeof(TextTerm) + mapBytes(f.groupOf) + mapBytes(f.argumentOf) +
           f.reached.capacity() * sizeof(uint64_t) + sizeof(FastSteps);
}

int32_t fastGroupAt(Interp& in, uint32_t pos) {
    FastSteps& fast = in.fastSteps;
    if (const auto known = fast.groupOf.find(pos); known != fast.groupOf.end()) return known->second;
    if (!reachedBefore(fast, in.image.length, pos)) return notCompiled;
    const int32_t index = static_cast<int32_t>(fast.groups.size());
    fast.groupOf.emplace(pos, index);

    Compiler compiler{in.image, CodeTable(in.image), fast, fast.micros, true};
    FastGroup group;
    group.firstStep = static_cast<uint32_t>(fast.steps.size());
    // The comparison kind the statements will meet: what is open now, as
    // the group's own statements change it (each step checks it when it runs).
    ValueKind compared = in.comparison.kind;
    uint32_t p = pos;
    while (group.stepCount < maxGroupSteps && p <= in.image.length) {
        const Extent before(fast);
        uint32_t next = p;
        std::optional<FastStep> s = compiler.step(p, compared, next);
        if (!s) {
            before.restore(fast);
            break;
        }
        s->position = p;
        s->after = next;
        fast.steps.push_back(*s);
        ++group.stepCount;
        p = next;
        if (s->effect.opensComparison) compared = s->effect.kind;
        if (s->kind == FastKind::Test || s->kind == FastKind::Return) break;
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
    return index;
}

int32_t fastArgumentAt(Interp& in, uint32_t pos, char kind) {
    FastSteps& fast = in.fastSteps;
    if (const auto known = fast.argumentOf.find(pos); known != fast.argumentOf.end()) return known->second;
    if (!reachedBefore(fast, in.image.length, pos)) return notCompiled;
    const int32_t index = static_cast<int32_t>(fast.arguments.size());
    fast.argumentOf.emplace(pos, index);

    Compiler compiler{in.image, CodeTable(in.image), fast, fast.argumentMicros, false};
    const Extent before(fast);
    FastArgument argument;
    if (!compiler.argument(pos, kind, argument)) {
        before.restore(fast);
        argument = FastArgument{};
    }
    fast.arguments.push_back(argument);
    return index;
}
