// The evaluator and the statement loops: the image text is interpreted in
// place, one statement per step.
#include "eval.h"

#include "call_slots.h"
#include "dispatch.h"
#include "numbers.h"
#include "pump.h"
#include "report.h"
#include "resources.h"
#include "table_size.h"
#include "values.h"

#include <cstdio>
#include <cstring>

namespace {

enum class Mode { Integer, Float };

struct Accumulators {
    int32_t i = 0;
    float f = 0.0f;
    std::string* s = nullptr;  // this evaluation's string register, taken on first use
    int depth = 0;
};

// Most evaluations never touch text, so the string register of a depth is
// taken from the pool only when a string operation needs it.
std::string& stringRegister(Interp& in, Accumulators& acc) {
    if (!acc.s) {
        const size_t d = static_cast<size_t>(acc.depth);
        while (d >= in.stringRegisters.size()) in.stringRegisters.push_back(std::make_unique<std::string>());
        acc.s = in.stringRegisters[d].get();
        acc.s->clear();
    }
    return *acc.s;
}

std::string_view textOf(const Accumulators& acc) { return acc.s ? std::string_view(*acc.s) : std::string_view(); }

// Scope of an evaluation: the running procedure's locals, or none in the main program.
struct Scope {
    VariableTables* locals;
};

template <typename T>
T* variable(Interp& in, std::vector<T>& globals, std::vector<T>* locals, int32_t slot, bool& missing) {
    std::vector<T>* table = &globals;
    if (slot >= firstLocalSlot) {
        table = locals;
        slot -= firstLocalSlot;
    }
    // A table that was never sized reads as zero and ignores stores.
    if (!table || table->empty()) {
        missing = true;
        return nullptr;
    }
    if (slot < 0 || static_cast<size_t>(slot) >= table->size()) {
        report(in, RunError::OutOfRange);
        return nullptr;
    }
    return &(*table)[static_cast<size_t>(slot)];
}

int32_t* intVariable(Interp& in, Scope scope, int32_t slot) {
    bool missing = false;
    return variable(in, in.globals.ints, scope.locals ? &scope.locals->ints : nullptr, slot, missing);
}
float* floatVariable(Interp& in, Scope scope, int32_t slot) {
    bool missing = false;
    return variable(in, in.globals.floats, scope.locals ? &scope.locals->floats : nullptr, slot, missing);
}
std::string* stringVariable(Interp& in, Scope scope, int32_t slot) {
    bool missing = false;
    return variable(in, in.globals.strings, scope.locals ? &scope.locals->strings : nullptr, slot, missing);
}

// Keeps the native stack and the register pool bounded however deeply a
// program nests groups, calls and recursion.
__attribute__((always_inline)) inline bool stackExhausted(const Interp& in) {
    const char* here = static_cast<const char*>(__builtin_frame_address(0));
    return in.stackBase && static_cast<size_t>(in.stackBase - here) > in.stackBudget;
}

class Depth {
public:
    explicit Depth(Interp& in) : in_(in) { ++in_.depth; }
    ~Depth() { --in_.depth; }
    bool exhausted() const { return stackExhausted(in_); }

private:
    Interp& in_;
};

bool evaluate(Interp& in, Mode mode, Scope scope, Accumulators& acc);

void combineInteger(Interp& in, Mode mode, Accumulators& acc, Operator& op, int32_t value) {
    if (mode == Mode::Integer) {
        if (auto r = applyInteger(acc.i, op, value)) acc.i = *r;
        else report(in, RunError::DivideByZero);
    } else {
        if (auto r = applyFloat(acc.f, op, static_cast<float>(value))) acc.f = *r;
        else report(in, RunError::DivideByZero);
    }
    op = Operator::None;
}

void combineFloat(Interp& in, Mode mode, Accumulators& acc, Operator& op, float value) {
    if (mode == Mode::Float) {
        if (auto r = applyFloat(acc.f, op, value)) acc.f = *r;
        else report(in, RunError::DivideByZero);
    } else {
        if (auto r = applyInteger(acc.i, op, truncateToInt(value))) acc.i = *r;
        else report(in, RunError::DivideByZero);
    }
    op = Operator::None;
}

void combineString(Interp& in, Accumulators& acc, Operator& op, std::string_view value) {
    applyString(stringRegister(in, acc), op, value);
    op = Operator::None;
}

// Reads an array element's index (a nested integer evaluation) and checks it
// against the highest index; returns the element's slot.
std::optional<int32_t> arraySlot(Interp& in, Scope scope, int32_t first, int32_t highest) {
    Accumulators index;
    if (!evaluate(in, Mode::Integer, scope, index) || in.stop) return std::nullopt;
    if (index.i < 0 || index.i > highest) {
        report(in, RunError::OutOfRange);
        return std::nullopt;
    }
    return first + index.i;
}

void saveLeftOperand(Interp& in, const Accumulators& acc, CompareOp op) {
    Comparison& c = in.comparison;
    if (c.kind == ValueKind::Integer) c.leftInt = acc.i;
    else if (c.kind == ValueKind::Float) c.leftFloat = acc.f;
    else if (c.kind == ValueKind::String) c.leftString = textOf(acc);
    c.op = op;
}

bool test(const Interp& in, const Accumulators& acc) {
    const Comparison& c = in.comparison;
    switch (c.kind) {
        case ValueKind::Integer: return compareIntegers(c.leftInt, c.op, acc.i);
        case ValueKind::Float: return compareFloats(c.leftFloat, c.op, acc.f);
        case ValueKind::String: return compareStrings(c.leftString, c.op, textOf(acc));
        default: return false;
    }
}

// Codes that make a whole step by themselves and touch no accumulator: the
// statement loop runs them without starting an evaluation, with the same
// effect (the step still counts, and the stack bound is still checked).
bool runsAlone(const DecodedCode& c) {
    switch (c.op) {
        case Op::Mark: case Op::OtherOne: case Op::Comment: case Op::NameRecord: case Op::DataItem:
        case Op::LineMark: case Op::CompareKind:
            return true;
        case Op::Goto: return c.value != badTarget;
        default: return false;
    }
}

// Whether c is the end mark `mark`. A switch, not `op == EndMark && aux == mark`:
// the compiler folds that pair of byte tests into one 16-bit load, which puts
// the code on the stack as two byte stores that the load cannot be forwarded
// from, a stall on every step and every call (recursive calls ran a third
// slower for it).
bool isEndMark(const DecodedCode& c, char mark) {
    switch (c.op) {
        case Op::EndMark: return c.aux == mark;
        default: return false;
    }
}

void runAlone(Interp& in, const CodeAt& at) {
    switch (at.code.op) {
        case Op::LineMark: in.currentLine = at.code.value; break;
        case Op::CompareKind:
            in.comparison.kind = static_cast<ValueKind>(at.code.value);
            in.comparison.op = CompareOp::None;
            break;
        case Op::Goto: in.position = static_cast<uint32_t>(at.code.value); return;
        default: break;
    }
    in.position = at.next;
}

// A statement loop: one step at a time until the text ends, the program stops
// or, in a procedure (with locals), `1x` ends the procedure. Each step is
// evaluated in float mode while a float comparison is open.
void runStatements(Interp& in, VariableTables* locals) {
    const CodeTable table(in.image);
    const uint32_t length = in.image.length;
    const bool fast = in.runsFastSteps && roomForFastSteps(in);
    for (;;) {
        if (++in.steps >= in.nextCheckpoint && !checkpoint(in)) return;
        // Compiled statements run from here on; the evaluator takes the first one they cannot.
        if (fast && !runFastSteps(in, locals)) return;
        if (in.position > length) return;
        const CodeAt first = table.at(in.position);
        if (isEndMark(first.code, '\n')) {  // an empty step: nothing to evaluate
            ++in.position;
            continue;
        }
        if (runsAlone(first.code)) {
            if (stackExhausted(in)) {
                report(in, RunError::OutOfMemory);
                return;
            }
            runAlone(in, first);
            continue;
        }
        Accumulators acc;
        const Mode mode = in.comparison.kind == ValueKind::Float ? Mode::Float : Mode::Integer;
        if (!evaluate(in, mode, Scope{locals}, acc) || in.stop) return;
        const bool procedureEnded = in.endProcedure;
        in.endProcedure = false;  // `1x` means nothing in the main program
        if (procedureEnded && locals) return;
        if (in.tableSizeRequest.kind != ValueKind::None) applyTableSize(in, locals);
        if (in.stop) return;
    }
}

// Runs procedure n with the arguments already in the argument slots.
void runProcedure(Interp& in, int32_t n) {
    if (!in.image.procedures.contains(n)) {
        report(in, RunError::ProgramLocationError);
        return;
    }
    const int32_t savedLine = in.currentLine;
    const uint32_t savedPosition = in.position;
    Comparison saved = std::move(in.comparison);
    in.comparison = Comparison{};

    in.position = in.image.procedures.positions[static_cast<size_t>(n)];
    // Fresh tables that keep the storage of the last call at this depth.
    const size_t d = static_cast<size_t>(in.depth);
    while (d >= in.localsPool.size()) in.localsPool.push_back(std::make_unique<VariableTables>());
    VariableTables& locals = *in.localsPool[d];
    locals.ints.clear();
    locals.floats.clear();
    locals.strings.clear();
    runStatements(in, &locals);

    in.currentLine = savedLine;
    in.position = savedPosition;
    in.comparison = std::move(saved);
}

// `c` and `d0`: evaluates the arguments into fresh slots, calls, and combines
// the result into the expression.
__attribute__((noinline)) bool call(Interp& in, Mode mode, Scope scope, Accumulators& acc, Operator& op, bool builtin,
                                    int32_t n) {
    CallArguments& args = freshArguments(in, in.depth);
    for (;;) {
        const CodeTable table(in.image);
        CodeAt at = table.at(in.position);
        // One "e" before an argument or the end of the list is tolerated.
        if (isEndMark(at.code, 'e')) at = table.at(at.next);
        if (at.code.op == Op::ArgumentsEnd) {
            in.position = at.next;
            break;
        }
        if (at.code.op != Op::Argument) {
            report(in, RunError::ProgramError);
            return false;
        }
        const char kind = at.code.aux;
        in.position = at.next;
        const int k = args.count++;
        if (!in.runsFastSteps || !fastArgument(in, scope.locals, kind, args, k)) {
            Accumulators value;
            if (!evaluate(in, kind == '2' ? Mode::Float : Mode::Integer, scope, value)) return false;
            if (kind == '1') args.ints[k] = value.i;
            else if (kind == '2') args.floats[k] = value.f;
            else {
                args.strings[k] = textOf(value);
                args.hasString[k] = true;
            }
        }
        if (args.count == argumentSlots) {
            report(in, RunError::ProcedureError);
            return false;
        }
        if (in.stop) return true;
    }
    if (in.stop) return true;

    in.arguments = &args;
    ValueKind kind;
    if (builtin) {
        kind = dispatch(in, n);
    } else {
        in.result.kind = ValueKind::None;
        runProcedure(in, n);
        kind = in.result.kind;
        in.result.kind = ValueKind::None;  // a procedure without `vp` gives nothing
    }
    keepArguments(in, args);

    switch (kind) {
        case ValueKind::Integer: combineInteger(in, mode, acc, op, in.result.i); break;
        case ValueKind::Float: combineFloat(in, mode, acc, op, in.result.f); break;
        case ValueKind::String:
            if (!in.result.s.empty()) combineString(in, acc, op, in.result.s);
            break;
        case ValueKind::None: break;
    }
    op = Operator::None;
    return true;
}

void print(Interp& in, Scope scope, char kind) {
    Accumulators acc;
    if (!evaluate(in, kind == 'b' ? Mode::Float : Mode::Integer, scope, acc) || in.stop) return;
    if (kind == 'a') {
        char text[16];
        std::snprintf(text, sizeof text, "%d", acc.i);
        printText(in, text);
    } else if (kind == 'b') {
        printText(in, floatText(acc.f));
    } else {
        printText(in, textOf(acc));
    }
}

template <typename T>
void sortSlots(Interp& in, std::vector<T>& globals, VariableTables* locals, std::vector<T> VariableTables::*member,
               int32_t a, int32_t b, void (*sort)(T*, T*)) {
    if (a >= b) return;
    std::vector<T>* table = &globals;
    if (a >= firstLocalSlot) {
        if (!locals) return;
        table = &(locals->*member);
        a -= firstLocalSlot;
        b -= firstLocalSlot;
    }
    if (table->empty()) return;
    if (a < 0 || static_cast<size_t>(b) >= table->size()) {
        report(in, RunError::OutOfRange);
        return;
    }
    sort(table->data() + a, table->data() + b);
}

// Assignment and element codes (`v4`..`v6`, `a1`..`a3`): evaluates the value
// and stores it in the slot.
void assign(Interp& in, Scope scope, char type, int32_t slot) {
    Accumulators value;
    // After an error inside the expression the accumulator keeps the value it
    // had, and that value is stored, as the variable dump then shows.
    if (!evaluate(in, type == '2' ? Mode::Float : Mode::Integer, scope, value)) return;
    if (type == '1') {
        if (int32_t* v = intVariable(in, scope, slot)) *v = value.i;
    } else if (type == '2') {
        if (float* v = floatVariable(in, scope, slot)) *v = value.f;
    } else {
        if (std::string* v = stringVariable(in, scope, slot)) *v = textOf(value);
    }
}

void operand(Interp& in, Mode mode, Scope scope, Accumulators& acc, Operator& op, char type, int32_t slot) {
    if (type == '1') {
        const int32_t* v = intVariable(in, scope, slot);
        combineInteger(in, mode, acc, op, v ? *v : 0);
    } else if (type == '2') {
        const float* v = floatVariable(in, scope, slot);
        combineFloat(in, mode, acc, op, v ? *v : 0.0f);
    } else {
        const std::string* v = stringVariable(in, scope, slot);
        combineString(in, acc, op, v ? std::string_view(*v) : std::string_view());
    }
}

// An integer variable as an operand, read straight from its table when the
// slot lies inside it (the common case); otherwise by the general rules.
void integerOperand(Interp& in, Mode mode, Scope scope, Accumulators& acc, Operator& op, int32_t slot) {
    const std::vector<int32_t>* table = &in.globals.ints;
    int32_t index = slot;
    if (slot >= firstLocalSlot) {
        table = scope.locals ? &scope.locals->ints : nullptr;
        index -= firstLocalSlot;
    }
    if (table && index >= 0 && static_cast<size_t>(index) < table->size())
        combineInteger(in, mode, acc, op, (*table)[static_cast<size_t>(index)]);
    else
        operand(in, mode, scope, acc, op, '1', slot);
}

// A scalar assignment met first thing in an evaluation runs in the same
// evaluation instead of a nested one: the result is the same, and it saves a
// nesting for the most common statement.
struct PendingStore {
    char type = 0;  // 0: none
    int32_t slot = 0;
};

__attribute__((always_inline)) inline bool evaluateCodes(Interp& in, Mode mode, Scope scope, Accumulators& acc,
                                                        PendingStore& pending);

void store(Interp& in, Scope scope, const PendingStore& pending, Accumulators& acc) {
    if (pending.type == '1') {
        if (int32_t* v = intVariable(in, scope, pending.slot)) *v = acc.i;
    } else if (pending.type == '2') {
        if (float* v = floatVariable(in, scope, pending.slot)) *v = acc.f;
    } else {
        if (std::string* v = stringVariable(in, scope, pending.slot)) *v = textOf(acc);
    }
    // The enclosing evaluation saw none of the assigned value.
    acc.i = 0;
    acc.f = 0.0f;
    if (acc.s) acc.s->clear();
}

bool evaluate(Interp& in, Mode mode, Scope scope, Accumulators& acc) {
    Depth depth(in);
    acc.s = nullptr;
    acc.depth = in.depth;
    if (depth.exhausted()) {
        report(in, RunError::OutOfMemory);
        return true;
    }
    acc.i = 0;
    acc.f = 0.0f;
    in.tableSizeRequest.kind = ValueKind::None;
    in.endProcedure = false;
    PendingStore pending;
    const bool ok = evaluateCodes(in, mode, scope, acc, pending);
    if (ok && pending.type) store(in, scope, pending, acc);
    return ok;
}

void jumpToTarget(Interp& in, uint32_t& pos, int32_t target) {
    if (target == badTarget) report(in, RunError::ProgramLocationError);
    else pos = static_cast<uint32_t>(target);
}

// The evaluator keeps the program position in a register and hands it back
// to the interpreter state whenever it leaves or lets other code run.
struct PositionSync {
    Interp& in;
    uint32_t& pos;
    ~PositionSync() { in.position = pos; }
};

inline bool evaluateCodes(Interp& in, Mode mode, Scope scope, Accumulators& acc, PendingStore& pending) {
    Operator op = Operator::None;
    bool negate = false;
    const char* text = in.image.text();
    uint32_t pos = in.position;
    const uint32_t start = pos;
    PositionSync sync{in, pos};
    const CodeTable table(in.image);

    for (;;) {
        if (in.stop) return true;
        const CodeAt at = table.at(pos);
        const DecodedCode c = at.code;
        switch (c.op) {
            case Op::Nul: in.stop = true; return true;
            case Op::EndMark: pos = at.next; return true;
            case Op::Space: case Op::Record: case Op::TargetMark: pos = at.next; continue;
            case Op::Comment: case Op::NameRecord: case Op::DataItem: case Op::Mark: case Op::OtherOne:
                pos = at.next;
                return true;
            case Op::LineMark:
                in.currentLine = c.value;
                pos = at.next;
                return true;
            case Op::Return: case Op::Drop: {
                if (in.returnStack.empty()) {
                    in.stop = true;
                    return true;
                }
                const ReturnEntry top = in.returnStack.back();
                in.returnStack.pop_back();
                if (c.op == Op::Return) {
                    in.currentLine = top.line;
                    pos = top.position;
                } else {
                    pos = at.next;
                }
                return true;
            }
            case Op::End:
                pos = at.next;
                report(in, RunError::EndOfProgram);
                return true;
            case Op::ProcedureEnd:
                in.endProcedure = true;
                pos = at.next;
                return true;
            case Op::Goto: jumpToTarget(in, pos, c.value); return true;
            case Op::Gosub:
                if (in.returnStack.size() >= maxReturnDepth) {
                    report(in, RunError::OutOfMemory);
                    return true;
                }
                in.returnStack.push_back({in.currentLine, at.next});
                jumpToTarget(in, pos, c.value);
                return true;
            case Op::CompareKind:
                in.comparison.kind = static_cast<ValueKind>(c.value);
                in.comparison.op = CompareOp::None;
                pos = at.next;
                return true;
            case Op::CompareWith:
                saveLeftOperand(in, acc, static_cast<CompareOp>(c.aux));
                pos = at.next;
                return true;
            case Op::TestLabel: case Op::TestFalse: case Op::TestTrue: {
                const bool result = test(in, acc);
                in.comparison.kind = ValueKind::None;
                pos = at.next;
                if (result == (c.op == Op::TestTrue)) jumpToTarget(in, pos, c.value);
                return true;
            }
            case Op::GotoFalse: jumpToTarget(in, pos, c.value); return true;
            case Op::IntegerLiteral:
                pos = at.next;
                combineInteger(in, mode, acc, op, negate ? static_cast<int32_t>(0u - static_cast<uint32_t>(c.value)) : c.value);
                negate = false;
                continue;
            case Op::FloatLiteral: {
                float value;
                std::memcpy(&value, &c.value, sizeof value);
                pos = at.next;
                combineFloat(in, mode, acc, op, negate ? -value : value);
                negate = false;
                continue;
            }
            case Op::StringLiteral:
                combineString(in, acc, op, literalText(in.image, pos, at.next));
                pos = at.next;
                continue;
            case Op::Arithmetic: op = static_cast<Operator>(c.aux); pos = at.next; continue;
            case Op::ArithmeticInteger:
                op = static_cast<Operator>(c.aux);
                pos = at.next;
                integerOperand(in, mode, scope, acc, op, c.value);
                continue;
            case Op::ArithmeticFloat:
                op = static_cast<Operator>(c.aux);
                pos = at.next;
                operand(in, mode, scope, acc, op, '2', c.value);
                continue;
            case Op::ArithmeticLiteral:
                op = static_cast<Operator>(c.aux);
                pos = at.next;
                combineInteger(in, mode, acc, op, negate ? static_cast<int32_t>(0u - static_cast<uint32_t>(c.value)) : c.value);
                negate = false;
                continue;
            case Op::Negate: negate = !negate; pos = at.next; continue;
            case Op::GroupOpen: {
                pos = at.next;
                Accumulators group;
                in.position = pos;
                const bool ok = evaluate(in, mode, scope, group);
                pos = in.position;
                if (!ok) return false;
                // The group's string register joins with the same operator as its number.
                if (group.s || acc.s) applyString(stringRegister(in, acc), op, textOf(group));
                if (mode == Mode::Integer) combineInteger(in, mode, acc, op, group.i);
                else combineFloat(in, mode, acc, op, group.f);
                continue;
            }
            case Op::GroupClose: pos = at.next; return true;
            case Op::Read:
                pos = at.next;
                if (c.aux == '1') integerOperand(in, mode, scope, acc, op, c.value);
                else operand(in, mode, scope, acc, op, c.aux, c.value);
                continue;
            case Op::Assign:
                if (pos == start && !pending.type) {
                    pos = at.next;
                    pending = {c.aux, c.value};
                    mode = c.aux == '2' ? Mode::Float : Mode::Integer;
                    continue;
                }
                in.position = at.next;
                assign(in, scope, c.aux, c.value);
                pos = in.position;
                return true;
            case Op::TableSize:
                in.tableSizeRequest = {static_cast<ValueKind>(c.aux), c.value,
                                       readField(text, in.image.length, pos + 7)};
                pos = at.next;
                return true;
            case Op::ReturnValue: {
                const char type = c.aux;
                pos = at.next;
                in.result = ResultRegister{};
                Accumulators value;
                in.position = pos;
                const bool ok = evaluate(in, type == '2' ? Mode::Float : Mode::Integer, scope, value);
                pos = in.position;
                if (!ok) return false;
                in.result.kind = kindOfDigit(type);
                in.result.i = value.i;
                in.result.f = value.f;
                in.result.s = textOf(value);
                return true;
            }
            case Op::ElementStore: case Op::ElementRead: case Op::Sort: {
                const int32_t first = c.value, highest = readField(text, in.image.length, pos + 7);
                pos = at.next;
                if (c.op == Op::ElementStore) {
                    in.position = pos;
                    if (auto slot = arraySlot(in, scope, first, highest)) assign(in, scope, c.aux, *slot);
                    pos = in.position;
                    return true;
                }
                if (c.op == Op::ElementRead) {
                    in.position = pos;
                    const std::optional<int32_t> slot = arraySlot(in, scope, first, highest);
                    pos = in.position;
                    if (slot) operand(in, mode, scope, acc, op, c.aux, *slot);
                    continue;
                }
                if (c.aux == '1') sortSlots(in, in.globals.ints, scope.locals, &VariableTables::ints, first, highest, sortIntegers);
                else if (c.aux == '2') sortSlots(in, in.globals.floats, scope.locals, &VariableTables::floats, first, highest, sortFloats);
                else sortSlots(in, in.globals.strings, scope.locals, &VariableTables::strings, first, highest, sortStrings);
                return true;
            }
            case Op::Parameter: {
                const int32_t n = c.value;
                pos = at.next;
                if (n < 0 || n >= argumentSlots || c.aux < '1' || c.aux > '3') {
                    report(in, RunError::OutOfRange);
                    return true;
                }
                const CallArguments* args = in.arguments;
                if (!args) return true;
                if (c.aux == '1') acc.i = args->ints[n];
                else if (c.aux == '2') acc.f = args->floats[n];
                else if (args->hasString[n]) applyString(stringRegister(in, acc), Operator::None, args->strings[n]);
                return true;
            }
            case Op::Print:
                in.position = at.next;
                print(in, scope, c.aux);
                pos = in.position;
                return true;
            case Op::Restore:
                pos = at.next;
                if (c.value == badTarget) report(in, RunError::ProgramLocationError);
                else in.dataPointer = static_cast<uint32_t>(c.value);
                return true;
            case Op::Resource:
                in.position = pos;
                loadResourceCode(in);
                pos = in.position;
                return true;
            case Op::BuiltinCall: case Op::ProcedureCall:
                in.position = at.next;
                if (!call(in, mode, scope, acc, op, c.op == Op::BuiltinCall, c.value)) {
                    pos = in.position;
                    return false;
                }
                pos = in.position;
                continue;
            case Op::Argument: case Op::ArgumentsEnd: pos = at.next; return true;
            case Op::Undecoded: case Op::Invalid:
                report(in, RunError::ProgramError);
                return false;
        }
        report(in, RunError::ProgramError);
        return false;
    }
}

}  // namespace

void runMainProgram(Interp& in) {
    in.position = 0;
    runStatements(in, nullptr);
}
