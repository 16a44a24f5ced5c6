// The evaluator and the statement loops: the image text is interpreted in
// place, one statement per step.
#include "eval.h"

#include "dispatch.h"
#include "numbers.h"
#include "pump.h"
#include "report.h"
#include "resources.h"
#include "values.h"

#include <cstdio>

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

// Slots of 5000 and above address the running procedure's locals.
constexpr int32_t firstLocalSlot = 5000;

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

int32_t field(const Interp& in, uint32_t pos) { return readField(in.image.text(), in.image.length, pos); }

bool jumpTo(Interp& in, const PositionTable& table, int32_t n) {
    if (!table.contains(n)) {
        report(in, RunError::ProgramLocationError);
        return false;
    }
    in.position = table.positions[static_cast<size_t>(n)];
    return true;
}

// Keeps the native stack and the register pool bounded however deeply a
// program nests groups, calls and recursion.
class Depth {
public:
    explicit Depth(Interp& in) : in_(in) { ++in_.depth; }
    ~Depth() { --in_.depth; }
    bool exhausted() const {
        const char* here = static_cast<const char*>(__builtin_frame_address(0));
        return in_.stackBase && static_cast<size_t>(in_.stackBase - here) > in_.stackBudget;
    }

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
    if (c.kind == 1) c.leftInt = acc.i;
    else if (c.kind == 2) c.leftFloat = acc.f;
    else if (c.kind == 3) c.leftString = textOf(acc);
    c.op = op;
}

bool test(const Interp& in, const Accumulators& acc) {
    const Comparison& c = in.comparison;
    switch (c.kind) {
        case 1: return compareIntegers(c.leftInt, c.op, acc.i);
        case 2: return compareFloats(c.leftFloat, c.op, acc.f);
        case 3: return compareStrings(c.leftString, c.op, textOf(acc));
        default: return false;
    }
}

void applyTableSize(Interp& in, VariableTables* locals);

// A statement loop: one step at a time until the text ends, the program stops
// or, in a procedure (with locals), `1x` ends the procedure. Each step is
// evaluated in float mode while a float comparison is open.
void runStatements(Interp& in, VariableTables* locals) {
    const char* text = in.image.text();
    for (;;) {
        if (++in.steps >= in.nextCheckpoint && !checkpoint(in)) return;
        if (in.position > in.image.length) return;
        if (text[in.position] == '\n') {  // an empty step: nothing to evaluate
            ++in.position;
            continue;
        }
        Accumulators acc;
        const Mode mode = in.comparison.kind == 2 ? Mode::Float : Mode::Integer;
        if (!evaluate(in, mode, Scope{locals}, acc) || in.stop) return;
        const bool procedureEnded = in.endProcedure;
        in.endProcedure = false;  // `1x` means nothing in the main program
        if (procedureEnded && locals) return;
        if (in.tableSizeRequest.kind != 0) applyTableSize(in, locals);
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
    VariableTables locals;
    runStatements(in, &locals);

    in.currentLine = savedLine;
    in.position = savedPosition;
    in.comparison = std::move(saved);
}

// `c` and `d0`: evaluates the arguments into fresh slots, calls, and combines
// the result into the expression.
bool call(Interp& in, Mode mode, Scope scope, Accumulators& acc, Operator& op, bool builtin, int32_t n) {
    const char* text = in.image.text();
    CallArguments args;
    for (;;) {
        if (text[in.position] == 'e' && text[in.position + 1] == 'd') ++in.position;
        if (text[in.position] != 'd') {
            report(in, RunError::ProgramError);
            return false;
        }
        const char kind = text[in.position + 1];
        if (kind == 'x') {
            in.position += 2;
            break;
        }
        if (kind < '1' || kind > '3') {
            report(in, RunError::ProgramError);
            return false;
        }
        in.position += 2;
        Accumulators value;
        if (!evaluate(in, kind == '2' ? Mode::Float : Mode::Integer, scope, value)) return false;
        const int k = args.count++;
        if (kind == '1') args.ints[k] = value.i;
        else if (kind == '2') args.floats[k] = value.f;
        else {
            args.strings[k] = textOf(value);
            args.hasString[k] = true;
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
    // The slots stay visible to `p` codes until the next call, without their strings.
    in.lastArguments.ints = args.ints;
    in.lastArguments.floats = args.floats;
    in.arguments = &in.lastArguments;

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

// A scalar assignment met first thing in an evaluation runs in the same
// evaluation instead of a nested one: the result is the same, and it saves a
// nesting for the most common statement.
struct PendingStore {
    char type = 0;  // 0: none
    int32_t slot = 0;
};

bool evaluateCodes(Interp& in, Mode mode, Scope scope, Accumulators& acc, PendingStore& pending);

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
    in.tableSizeRequest.kind = 0;
    in.endProcedure = false;
    PendingStore pending;
    const bool ok = evaluateCodes(in, mode, scope, acc, pending);
    if (ok && pending.type) store(in, scope, pending, acc);
    return ok;
}

bool evaluateCodes(Interp& in, Mode mode, Scope scope, Accumulators& acc, PendingStore& pending) {
    Operator op = Operator::None;
    bool negate = false;
    const char* text = in.image.text();
    uint32_t& pos = in.position;
    const uint32_t start = pos;

    for (;;) {
        if (in.stop) return true;
        const char variant = text[pos + 1];
        switch (text[pos]) {
            case '\0': in.stop = true; return true;
            case '\n': case 'e': case 'f': ++pos; return true;
            case ' ': ++pos; continue;
            case 'w': pos += 6; continue;
            case ';': pos = skipPast(in.image, pos, '\n'); return true;
            case 'L': {
                const IntegerText line = readIntegerText(text, pos + 1, ':');
                in.currentLine = line.value;
                pos = text[line.end] == ':' ? line.end + 1 : line.end;
                return true;
            }
            case '1':
                if (variant == 'd' || variant == 'e') {
                    if (in.returnStack.empty()) {
                        in.stop = true;
                        return true;
                    }
                    const ReturnEntry top = in.returnStack.back();
                    in.returnStack.pop_back();
                    if (variant == 'd') {
                        in.currentLine = top.line;
                        pos = top.position;
                    } else {
                        pos += 2;
                    }
                } else if (variant == 'f') {
                    pos += 2;
                    report(in, RunError::EndOfProgram);
                } else {
                    if (variant == 'x') in.endProcedure = true;
                    pos += 2;
                }
                return true;
            case '~': {
                const int32_t n = field(in, pos + 2);
                if (variant == 'a' || variant == 'd') {
                    pos += 6;
                } else if (variant == 'b') {
                    jumpTo(in, in.image.labels, n);
                } else if (variant == 'c') {
                    if (in.returnStack.size() >= maxReturnDepth) {
                        report(in, RunError::OutOfMemory);
                        return true;
                    }
                    in.returnStack.push_back({in.currentLine, pos + 6});
                    jumpTo(in, in.image.labels, n);
                } else {
                    report(in, RunError::ProgramError);
                    return false;
                }
                return true;
            }
            case 'q': {
                Comparison& c = in.comparison;
                switch (variant) {
                    case '1': case '2': case '3':
                        c.kind = variant - '0';
                        c.op = CompareOp::None;
                        pos += 2;
                        return true;
                    case '=': saveLeftOperand(in, acc, CompareOp::Equal); pos += 2; return true;
                    case '!': saveLeftOperand(in, acc, CompareOp::NotEqual); pos += 2; return true;
                    case '<':
                        saveLeftOperand(in, acc, text[pos + 2] == '<' ? CompareOp::Less : CompareOp::LessEqual);
                        pos += 3;
                        return true;
                    case '>':
                        saveLeftOperand(in, acc, text[pos + 2] == '>' ? CompareOp::Greater : CompareOp::GreaterEqual);
                        pos += 3;
                        return true;
                    case '4': case '5': pos += 6; continue;
                    case '6': case '7': case '8': {
                        const int32_t n = field(in, pos + 2);
                        const bool result = test(in, acc);
                        c.kind = 0;
                        pos += 6;
                        if (variant == '6' && !result) jumpTo(in, in.image.labels, n);
                        else if (variant == '7' && !result) jumpTo(in, in.image.falseTargets, n);
                        else if (variant == '8' && result) jumpTo(in, in.image.trueTargets, n);
                        return true;
                    }
                    case '9': jumpTo(in, in.image.falseTargets, field(in, pos + 2)); return true;
                    default: report(in, RunError::ProgramError); return false;
                }
            }
            case 'm':
                switch (variant) {
                    case '0': {
                        const IntegerText t = readIntegerText(text, pos + 2, 'x');
                        pos = t.end + (text[t.end] == 'x');
                        combineInteger(in, mode, acc, op, negate ? static_cast<int32_t>(0u - static_cast<uint32_t>(t.value)) : t.value);
                        negate = false;
                        continue;
                    }
                    case '1': {
                        const FloatText t = readFloatText(text, pos + 2, 'x');
                        pos = t.end + (text[t.end] == 'x');
                        combineFloat(in, mode, acc, op, negate ? -t.value : t.value);
                        negate = false;
                        continue;
                    }
                    case '"': {
                        const uint32_t start = pos + 2;
                        const uint32_t end = skipPast(in.image, start, '"');
                        const uint32_t textEnd = text[end - 1] == '"' && end > start ? end - 1 : end;
                        combineString(in, acc, op, std::string_view(text + start, textEnd - start));
                        pos = end;
                        continue;
                    }
                    case '+': op = Operator::Add; pos += 2; continue;
                    case '-': op = Operator::Subtract; pos += 2; continue;
                    case '*': op = Operator::Multiply; pos += 2; continue;
                    case '/': op = Operator::Divide; pos += 2; continue;
                    case '%': op = Operator::Remainder; pos += 2; continue;
                    case 'm': negate = !negate; pos += 2; continue;
                    case '(': {
                        pos += 2;
                        Accumulators group;
                        if (!evaluate(in, mode, scope, group)) return false;
                        // The group's string register joins with the same operator as its number.
                        if (group.s || acc.s) applyString(stringRegister(in, acc), op, textOf(group));
                        if (mode == Mode::Integer) combineInteger(in, mode, acc, op, group.i);
                        else combineFloat(in, mode, acc, op, group.f);
                        continue;
                    }
                    case ')': pos += 2; return true;
                    default: report(in, RunError::ProgramError); return false;
                }
            case 'v': {
                const int32_t slot = field(in, pos + 2);
                switch (variant) {
                    case '1': case '2': case '3':
                        pos += 6;
                        operand(in, mode, scope, acc, op, variant, slot);
                        continue;
                    case '4': case '5': case '6':
                        pos += 6;
                        if (pos - 6 == start && !pending.type) {
                            pending = {static_cast<char>(variant - 3), slot};
                            mode = variant == '5' ? Mode::Float : Mode::Integer;
                            continue;
                        }
                        assign(in, scope, static_cast<char>(variant - 3), slot);
                        return true;
                    case 'a': case 'b': case 'c':
                        in.tableSizeRequest = {variant - 'a' + 1, slot, field(in, pos + 7)};
                        pos += 16;
                        return true;
                    case 'n': pos = skipPast(in.image, pos, '\n'); return true;
                    case 'p': {
                        const char type = text[pos + 2];
                        pos += 3;
                        in.result = ResultRegister{};
                        Accumulators value;
                        if (!evaluate(in, type == '2' ? Mode::Float : Mode::Integer, scope, value)) return false;
                        in.result.kind = type == '1' ? ValueKind::Integer
                                         : type == '2' ? ValueKind::Float
                                         : type == '3' ? ValueKind::String
                                                       : ValueKind::None;
                        in.result.i = value.i;
                        in.result.f = value.f;
                        in.result.s = textOf(value);
                        return true;
                    }
                    default: report(in, RunError::ProgramError); return false;
                }
            }
            case 'a': {
                const int32_t first = field(in, pos + 2), highest = field(in, pos + 7);
                pos += 11;
                if (variant >= '1' && variant <= '3') {
                    if (auto slot = arraySlot(in, scope, first, highest)) assign(in, scope, variant, *slot);
                    return true;
                }
                if (variant >= '4' && variant <= '6') {
                    if (auto slot = arraySlot(in, scope, first, highest))
                        operand(in, mode, scope, acc, op, static_cast<char>(variant - 3), *slot);
                    continue;
                }
                if (variant == 's') sortSlots(in, in.globals.ints, scope.locals, &VariableTables::ints, first, highest, sortIntegers);
                else if (variant == 't') sortSlots(in, in.globals.floats, scope.locals, &VariableTables::floats, first, highest, sortFloats);
                else if (variant == 'u') sortSlots(in, in.globals.strings, scope.locals, &VariableTables::strings, first, highest, sortStrings);
                else {
                    report(in, RunError::ProgramError);
                    return false;
                }
                return true;
            }
            case 'p': {
                const int n = text[pos + 2] - '0';
                pos += 3;
                if (n < 0 || n >= argumentSlots || variant < '1' || variant > '3') {
                    report(in, RunError::OutOfRange);
                    return true;
                }
                const CallArguments* args = in.arguments;
                if (!args) return true;
                if (variant == '1') acc.i = args->ints[n];
                else if (variant == '2') acc.f = args->floats[n];
                else if (args->hasString[n]) applyString(stringRegister(in, acc), Operator::None, args->strings[n]);
                return true;
            }
            case 't':
                if (variant < 'a' || variant > 'c') {
                    report(in, RunError::ProgramError);
                    return false;
                }
                pos += 2;
                print(in, scope, variant);
                return true;
            case 'h':
                if (variant == '1' || variant == '2' || variant == '3') {
                    pos = *skipCode(in.image, pos);
                } else if (variant == '4') {
                    const int32_t n = field(in, pos + 2);
                    pos += 6;
                    if (!in.image.labels.contains(n)) report(in, RunError::ProgramLocationError);
                    else in.dataPointer = in.image.labels.positions[static_cast<size_t>(n)];
                } else {
                    report(in, RunError::ProgramError);
                    return false;
                }
                return true;
            case 'z':
                if (variant < '0' || variant > '5') {
                    report(in, RunError::ProgramError);
                    return false;
                }
                loadResourceCode(in);
                return true;
            case 'c': {
                const int32_t code = field(in, pos + 1);
                pos += 5;
                if (!call(in, mode, scope, acc, op, true, code)) return false;
                continue;
            }
            case 'd':
                if (variant == '0') {
                    const int32_t n = field(in, pos + 2);
                    pos += 6;
                    if (!call(in, mode, scope, acc, op, false, n)) return false;
                    continue;
                }
                pos += 2;
                if ((variant >= '1' && variant <= '3') || variant == 'x') return true;
                continue;
            default:
                report(in, RunError::ProgramError);
                return false;
        }
    }
}

void replaceTable(Interp& in, VariableTables& tables, int kind, int32_t count) {
    const size_t entries = static_cast<size_t>(count < 0 ? 0 : count) + 1;
    try {
        if (kind == 1) tables.ints.assign(entries, 0);
        else if (kind == 2) tables.floats.assign(entries, 0.0f);
        else tables.strings.assign(entries, std::string());
    } catch (const std::bad_alloc&) {
        report(in, RunError::OutOfMemory);
    }
}

// A table-size record takes effect after the step that read it: it replaces
// the global table, or in a procedure the local one.
void applyTableSize(Interp& in, VariableTables* locals) {
    const TableSizeRequest r = in.tableSizeRequest;
    in.tableSizeRequest.kind = 0;
    if (r.kind == 0) return;
    const bool local = locals && (r.lowestSlot >= firstLocalSlot || r.count < 1);
    if (local) {
        replaceTable(in, *locals, r.kind, r.count);
    } else if (r.count >= 1 && r.lowestSlot < firstLocalSlot) {
        replaceTable(in, in.globals, r.kind, r.count);
        if (!in.stop) in.globalCounts[r.kind - 1] = r.count;
    }
}

}  // namespace

void runMainProgram(Interp& in) {
    in.position = 0;
    runStatements(in, nullptr);
}
