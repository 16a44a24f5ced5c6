// Runs fast steps. Every check that could end in a message (a divide by zero,
// an index or slot out of range, a table never sized) hands the statement to
// the evaluator before anything is stored, so that the evaluator reports it
// exactly as it always has.
#include "fast_steps.h"

#include "call_slots.h"
#include "dispatch.h"
#include "interp.h"
#include "pump.h"
#include "table_size.h"
#include "values.h"

namespace {

// Room the evaluator may need for the deepest evaluation a compiled
// statement stands for: its frames for every group level, and some.
constexpr size_t fastStackMargin = 256 * 1024;

struct Tables {
    Tables(Interp& in, VariableTables* locals)
        : in(in), locals(locals), text(in.image.text()), globalInts(in.globals.ints), globalFloats(in.globals.floats),
          globalStrings(in.globals.strings), localInts(locals ? &locals->ints : nullptr),
          localFloats(locals ? &locals->floats : nullptr), localStrings(locals ? &locals->strings : nullptr) {}

    Interp& in;
    VariableTables* locals;
    const char* text;
    std::vector<int32_t>& globalInts;
    std::vector<float>& globalFloats;
    std::vector<std::string>& globalStrings;
    std::vector<int32_t>* localInts;
    std::vector<float>* localFloats;
    std::vector<std::string>* localStrings;
};

template <typename T>
inline T* entry(std::vector<T>* table, int32_t index) {
    if (!table || static_cast<uint32_t>(index) >= table->size()) return nullptr;
    return table->data() + index;
}

// A slot of a scalar or an element, as the evaluator splits slots between the
// globals and the running procedure's locals.
template <typename T>
inline T* slotEntry(std::vector<T>& globals, std::vector<T>* locals, int32_t slot) {
    return slot >= firstLocalSlot ? entry(locals, slot - firstLocalSlot) : entry(&globals, slot);
}

inline bool join(int32_t& acc, Operator op, int32_t value) {
    const std::optional<int32_t> r = applyInteger(acc, op, value);
    if (!r) return false;
    acc = *r;
    return true;
}

inline bool join(float& acc, Operator op, float value) {
    const std::optional<float> r = applyFloat(acc, op, value);
    if (!r) return false;
    acc = *r;
    return true;
}

struct Accumulator {
    int32_t i = 0;
    float f = 0.0f;
};

bool runCall(const Tables& t, int32_t index, ValueKind& kind);

struct Saved {
    int32_t i;
    float f;
};

// A variable or constant operand, joined with the operator its code carries:
// the operator is a constant here, so each case is only its own arithmetic.
#define ORB_OPERAND_CASE(source, operation, accumulator, fetch)                                  \
    case microCode(MicroSource::source, static_cast<char>(Operator::operation)): {               \
        fetch;                                                                                   \
        if (!join(accumulator, Operator::operation, v)) return false;                            \
        break;                                                                                   \
    }
#define ORB_OPERAND_CASES(source, accumulator, fetch)                                            \
    ORB_OPERAND_CASE(source, None, accumulator, fetch)                                           \
    ORB_OPERAND_CASE(source, Add, accumulator, fetch)                                            \
    ORB_OPERAND_CASE(source, Subtract, accumulator, fetch)                                       \
    ORB_OPERAND_CASE(source, Multiply, accumulator, fetch)                                       \
    ORB_OPERAND_CASE(source, Divide, accumulator, fetch)                                         \
    ORB_OPERAND_CASE(source, Remainder, accumulator, fetch)
#define ORB_FETCH(table, convert)                                                                \
    const auto* p = entry(table, m->index);                                                      \
    if (!p) return false;                                                                        \
    const auto v = convert(*p)

// Evaluates a compiled expression; false where the evaluator has to.
__attribute__((always_inline)) inline bool evaluateMicros(const Tables& t, const Micro* m, const Micro* end,
                                                          Accumulator& acc) {
    Saved saved[maxMicroNesting];
    int depth = 0;
    for (; m != end; ++m) {
        switch (m->code) {
            ORB_OPERAND_CASES(IntGlobalToInt, acc.i, ORB_FETCH(&t.globalInts, ))
            ORB_OPERAND_CASES(IntGlobalToFloat, acc.f, ORB_FETCH(&t.globalInts, static_cast<float>))
            ORB_OPERAND_CASES(IntLocalToInt, acc.i, ORB_FETCH(t.localInts, ))
            ORB_OPERAND_CASES(IntLocalToFloat, acc.f, ORB_FETCH(t.localInts, static_cast<float>))
            ORB_OPERAND_CASES(FloatGlobalToInt, acc.i, ORB_FETCH(&t.globalFloats, truncateToInt))
            ORB_OPERAND_CASES(FloatGlobalToFloat, acc.f, ORB_FETCH(&t.globalFloats, ))
            ORB_OPERAND_CASES(FloatLocalToInt, acc.i, ORB_FETCH(t.localFloats, truncateToInt))
            ORB_OPERAND_CASES(FloatLocalToFloat, acc.f, ORB_FETCH(t.localFloats, ))
            ORB_OPERAND_CASES(ConstantToInt, acc.i, const int32_t v = m->integer)
            ORB_OPERAND_CASES(ConstantToFloat, acc.f, const float v = m->real)
            default: {
                const auto source = static_cast<MicroSource>(m->code / 8);
                const auto operation = static_cast<Operator>(m->code % 8);
                if (source == MicroSource::CallToInt || source == MicroSource::CallToFloat) {
                    ValueKind kind;
                    if (!runCall(t, m->index, kind)) return false;
                    const ResultRegister& r = t.in.result;
                    const bool intoFloat = source == MicroSource::CallToFloat;
                    if (kind == ValueKind::Integer) {
                        if (intoFloat ? !join(acc.f, operation, static_cast<float>(r.i)) : !join(acc.i, operation, r.i))
                            return false;
                    } else if (kind == ValueKind::Float) {
                        if (intoFloat ? !join(acc.f, operation, r.f) : !join(acc.i, operation, truncateToInt(r.f)))
                            return false;
                    } else if (kind == ValueKind::String) {
                        return false;  // a text in a number's expression goes to the evaluator's register
                    }
                    break;
                }
                if (source == MicroSource::Parameter) {
                    if (const CallArguments* args = t.in.arguments) {
                        if (m->elementType == '1') acc.i = args->ints[static_cast<size_t>(m->index)];
                        else acc.f = args->floats[static_cast<size_t>(m->index)];
                    }
                    break;
                }
                if (source == MicroSource::Open) {
                    saved[depth++] = {acc.i, acc.f};
                    acc = Accumulator{};
                    break;
                }
                const Accumulator inner = acc;
                acc = {saved[depth - 1].i, saved[depth - 1].f};
                --depth;
                if (source == MicroSource::CloseToInt) {
                    if (!join(acc.i, operation, inner.i)) return false;
                    break;
                }
                if (source == MicroSource::CloseToFloat) {
                    if (!join(acc.f, operation, inner.f)) return false;
                    break;
                }
                // An element: the inner accumulator holds its index.
                const int32_t index = inner.i;
                if (index < 0 || index > m->highest) return false;
                const int32_t slot = m->index + index;
                const bool intoFloat = source == MicroSource::ElementToFloat;
                if (m->elementType == '1') {
                    const int32_t* v = slotEntry(t.globalInts, t.localInts, slot);
                    if (!v) return false;
                    if (intoFloat ? !join(acc.f, operation, static_cast<float>(*v)) : !join(acc.i, operation, *v))
                        return false;
                } else {
                    const float* v = slotEntry(t.globalFloats, t.localFloats, slot);
                    if (!v) return false;
                    if (intoFloat ? !join(acc.f, operation, *v) : !join(acc.i, operation, truncateToInt(*v)))
                        return false;
                }
                break;
            }
        }
    }
    return true;
}

#undef ORB_FETCH
#undef ORB_OPERAND_CASES
#undef ORB_OPERAND_CASE

// A text operand's text, as a register would hold it; false where the evaluator has to.
inline bool textOf(const Tables& t, const TextOperand& operand, std::string_view& text) {
    if (operand.literal) {
        text = std::string_view(t.text + operand.value, operand.length);
        return true;
    }
    const std::string* v = slotEntry(t.globalStrings, t.localStrings, operand.value);
    if (!v) return false;
    text = std::string_view(*v).substr(0, registerLength);
    return true;
}

// Fills argument slot k; false where the evaluator has to.
bool fillArgument(const Tables& t, const FastArgument& argument, CallArguments& args, size_t k) {
    if (argument.kind == '3') {
        std::string_view text;
        if (!textOf(t, argument.text, text)) return false;
        args.strings[k] = text;
        args.hasString[k] = true;
        return true;
    }
    const Micro* micros = t.in.fastSteps.argumentMicros.data() + argument.micros;
    Accumulator value;
    if (!evaluateMicros(t, micros, micros + argument.count, value)) return false;
    if (argument.kind == '1') args.ints[k] = value.i;
    else args.floats[k] = value.f;
    return true;
}

// Calls a built-in that computes only, as the evaluator's call does, with
// the slots of the depth the evaluator's call would use; false, before the
// call, where an argument is the evaluator's.
__attribute__((noinline)) bool runCall(const Tables& t, int32_t index, ValueKind& kind) {
    Interp& in = t.in;
    const FastCall& call = in.fastSteps.calls[static_cast<size_t>(index)];
    CallArguments& args = freshArguments(in, in.depth + 1);
    for (uint32_t k = 0; k < call.argumentCount; ++k)
        if (!fillArgument(t, in.fastSteps.arguments[call.firstArgument + k], args, k)) return false;
    args.count = static_cast<int>(call.argumentCount);
    in.arguments = &args;
    kind = dispatch(in, call.code);
    keepArguments(in, args);
    return true;
}

// Evaluates a compiled text expression into the fast register; false where
// the evaluator has to (the built-ins it called change nothing, so it may).
bool evaluateText(const Tables& t, uint32_t first, uint32_t count) {
    std::string& out = t.in.fastSteps.text;
    out.clear();
    const TextTerm* term = t.in.fastSteps.terms.data() + first;
    for (const TextTerm* const end = term + count; term != end; ++term) {
        const auto op = static_cast<Operator>(term->operation);
        if (term->call >= 0) {
            ValueKind kind;
            if (!runCall(t, term->call, kind)) return false;
            // A number in a text expression goes to the evaluator's accumulator.
            if (kind == ValueKind::Integer || kind == ValueKind::Float) return false;
            if (kind == ValueKind::String && !t.in.result.s.empty()) applyString(out, op, t.in.result.s);
        } else {
            std::string_view text;
            if (!textOf(t, term->operand, text)) return false;
            applyString(out, op, text);
        }
    }
    return true;
}

// Stores a compiled assignment's value; false where the evaluator has to.
__attribute__((always_inline)) inline bool store(const Tables& t, char type, int32_t slot, const Accumulator& value) {
    if (type == '1') {
        int32_t* v = slotEntry(t.globalInts, t.localInts, slot);
        if (!v) return false;
        *v = value.i;
    } else {
        float* v = slotEntry(t.globalFloats, t.localFloats, slot);
        if (!v) return false;
        *v = value.f;
    }
    return true;
}

enum class GroupEnd { Stopped, FellThrough, Jumped, Returned, Ended };

void move(Interp& in, const MoveEffect& effect) {
    if (effect.setsLine) in.currentLine = effect.line;
    if (effect.opensComparison) {
        in.comparison.kind = effect.kind;
        in.comparison.op = CompareOp::None;
    }
}

#define ORB_EVALUATE(first, count, into) evaluateMicros(t, micros + (first), micros + (first) + (count), into)

// Runs groups from group g's first step, which the statement loop has
// already counted; every later step is counted before it runs, with the
// checkpoint the loop would run. A group's end goes straight on into the
// group after it when that one is known. Stopped: the step at the position
// is counted and left to the evaluator; Ended: the statement loop ends (a
// checkpoint said so, the procedure ended, an error); Returned: a return
// went back to where its gosub was; otherwise group g ended and its
// follower is not known yet.
GroupEnd runGroups(Interp& in, const Tables& t, int32_t& g) {
    FastSteps& fast = in.fastSteps;
    const Micro* micros = fast.micros.data();
    const FastStep* const allSteps = fast.steps.data();
    const FastGroup* const groups = fast.groups.data();
    const FastStep* s = allSteps + groups[g].firstStep;
    uint64_t steps = in.steps;
    uint64_t checkpointAt = in.nextCheckpoint;
    for (;;) {
        uint32_t following = s->after;
        switch (s->kind) {
            case FastKind::Move:
                // A whole run of moves at once when no checkpoint falls inside it.
                if (steps + s->run < checkpointAt) {
                    move(in, s->runEffect);
                    steps += s->run;
                    s += s->run;
                    continue;
                }
                move(in, s->effect);
                break;
            case FastKind::Assign: {
                Accumulator value;
                if (!ORB_EVALUATE(s->micros, s->microCount, value) || !store(t, s->type, s->value, value))
                    goto stopped;
                break;
            }
            case FastKind::AssignText: {
                std::string* v = nullptr;
                if (!evaluateText(t, s->terms, s->termCount) ||
                    !(v = slotEntry(t.globalStrings, t.localStrings, s->value)))
                    goto stopped;
                *v = fast.text;
                break;
            }
            case FastKind::StoreElement: {
                Accumulator index, value;
                if (!ORB_EVALUATE(s->micros - s->indexCount, s->indexCount, index) || index.i < 0 ||
                    index.i > s->highest ||
                    !ORB_EVALUATE(s->micros, s->microCount, value) || !store(t, s->type, s->value + index.i, value))
                    goto stopped;
                break;
            }
            case FastKind::CompareLeft: {
                if (in.comparison.kind != s->compared) goto stopped;
                if (s->compared == ValueKind::String) {
                    if (!evaluateText(t, s->terms, s->termCount)) goto stopped;
                    in.comparison.leftString = fast.text;
                } else {
                    Accumulator left;
                    if (!ORB_EVALUATE(s->micros, s->microCount, left)) goto stopped;
                    if (s->compared == ValueKind::Integer) in.comparison.leftInt = left.i;
                    else in.comparison.leftFloat = left.f;
                }
                in.comparison.op = static_cast<CompareOp>(s->aux);
                break;
            }
            case FastKind::Test: {
                if (in.comparison.kind != s->compared) goto stopped;
                const Comparison& c = in.comparison;
                bool result;
                if (s->compared == ValueKind::String) {
                    if (!evaluateText(t, s->terms, s->termCount)) goto stopped;
                    result = compareStrings(c.leftString, c.op, fast.text);
                } else {
                    Accumulator right;
                    if (!ORB_EVALUATE(s->micros, s->microCount, right)) goto stopped;
                    result = s->compared == ValueKind::Integer ? compareIntegers(c.leftInt, c.op, right.i)
                                                               : compareFloats(c.leftFloat, c.op, right.f);
                }
                in.comparison.kind = ValueKind::None;
                const bool jump = result == (s->aux != 0);
                if (jump) following = static_cast<uint32_t>(s->value);
                if (++steps >= checkpointAt) {
                    in.steps = steps;
                    in.position = following;
                    if (!checkpoint(in)) return GroupEnd::Ended;
                    checkpointAt = in.nextCheckpoint;
                }
                const int32_t after = jump ? groups[g].jump : groups[g].next;
                if (after != unresolvedGroup && groups[after].stepCount != 0) {
                    g = after;
                    s = allSteps + groups[g].firstStep;
                    continue;
                }
                in.steps = steps;
                in.position = following;
                return jump ? GroupEnd::Jumped : GroupEnd::FellThrough;
            }
            case FastKind::Gosub:
                if (in.returnStack.size() >= maxReturnDepth) goto stopped;
                in.returnStack.push_back({in.currentLine, s->returnPosition});
                break;
            case FastKind::Drop:
                if (in.returnStack.empty()) goto stopped;
                in.returnStack.pop_back();
                break;
            case FastKind::Return: {
                if (in.returnStack.empty()) goto stopped;
                const ReturnEntry top = in.returnStack.back();
                in.returnStack.pop_back();
                in.currentLine = top.line;
                if (++steps >= checkpointAt) {
                    in.steps = steps;
                    in.position = top.position;
                    if (!checkpoint(in)) return GroupEnd::Ended;
                }
                in.steps = steps;
                in.position = top.position;
                return GroupEnd::Returned;
            }
            case FastKind::TableSize:
                in.tableSizeRequest = {static_cast<ValueKind>(s->type), s->value, s->lowestSlot};
                applyTableSize(in, t.locals);
                if (in.stop) {
                    in.steps = steps;
                    in.position = following;
                    return GroupEnd::Ended;
                }
                break;
            case FastKind::ReturnValue: {
                ResultRegister& r = in.result;
                if (s->type == '3') {
                    if (!evaluateText(t, s->terms, s->termCount)) goto stopped;
                    r.i = 0;
                    r.f = 0.0f;
                    r.s = fast.text;
                } else {
                    Accumulator value;
                    if (!ORB_EVALUATE(s->micros, s->microCount, value)) goto stopped;
                    r.i = value.i;
                    r.f = value.f;
                    r.s.clear();
                }
                r.kind = kindOfDigit(s->type);
                break;
            }
            case FastKind::ProcedureEnd:
                if (t.locals) {
                    in.steps = steps;
                    in.position = following;
                    return GroupEnd::Ended;
                }
                break;
            case FastKind::End: {
                const int32_t after = groups[g].next;
                if (after != unresolvedGroup && groups[after].stepCount != 0) {
                    g = after;
                    s = allSteps + groups[g].firstStep;
                    continue;
                }
                in.steps = steps;
                in.position = s->position;
                return GroupEnd::FellThrough;
            }
        }
        if (++steps >= checkpointAt) {
            in.steps = steps;
            in.position = following;
            if (!checkpoint(in)) return GroupEnd::Ended;
            checkpointAt = in.nextCheckpoint;
        }
        ++s;
    }
stopped:
    in.steps = steps;
    in.position = s->position;
    return GroupEnd::Stopped;
}

#undef ORB_EVALUATE

// The compiled form at pos through a cache of recent positions; what is not
// compiled yet is not kept there, so that its second visit compiles it.
template <typename Compile>
int32_t recentAt(FastSteps::Recent& recent, uint32_t pos, Compile compile) {
    if (recent.position == pos) return recent.group;
    const int32_t compiled = compile();
    if (compiled != notCompiled) recent = {pos, compiled};
    return compiled;
}

int32_t argumentAt(Interp& in, uint32_t pos, char kind) {
    return recentAt(in.fastSteps.recentArguments[pos % FastSteps::recentSize], pos,
                    [&] { return fastArgumentAt(in, pos, kind); });
}

int32_t groupAt(Interp& in, uint32_t pos) {
    return recentAt(in.fastSteps.recent[pos % FastSteps::recentSize], pos, [&] { return fastGroupAt(in, pos); });
}

}  // namespace

bool roomForFastSteps(const Interp& in) {
    if (!in.stackBase) return true;
    const char* here = static_cast<const char*>(__builtin_frame_address(0));
    const size_t used = static_cast<size_t>(in.stackBase - here);
    return in.stackBudget > fastStackMargin && used < in.stackBudget - fastStackMargin;
}

bool runFastSteps(Interp& in, VariableTables* locals) {
    const Tables t(in, locals);
    int32_t g = groupAt(in, in.position);
    while (g != notCompiled && in.fastSteps.groups[static_cast<size_t>(g)].stepCount != 0) {
        const GroupEnd end = runGroups(in, t, g);
        if (end == GroupEnd::Ended) return false;
        if (end == GroupEnd::Stopped) return true;
        const int32_t following = groupAt(in, in.position);
        // The follower of group g, kept once compiled (the table may have grown meanwhile).
        if (end != GroupEnd::Returned && following != notCompiled) {
            FastGroup& ended = in.fastSteps.groups[static_cast<size_t>(g)];
            (end == GroupEnd::Jumped ? ended.jump : ended.next) = following;
        }
        g = following;
    }
    return true;
}

bool fastArgument(Interp& in, VariableTables* locals, char kind, CallArguments& args, int k) {
    if (!roomForFastSteps(in)) return false;
    const int32_t compiled = argumentAt(in, in.position, kind);
    if (compiled == notCompiled) return false;
    const FastArgument& argument = in.fastSteps.arguments[static_cast<size_t>(compiled)];
    if (argument.kind != kind || !fillArgument(Tables(in, locals), argument, args, static_cast<size_t>(k)))
        return false;
    in.position = argument.end;
    return true;
}
