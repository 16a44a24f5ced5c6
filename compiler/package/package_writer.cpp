#include "package_writer.h"

#include "keyword_table.h"
#include "package_settings.h"
#include "phone_methods.h"
#include "statement_keywords.h"
#include "template_layout.h"
#include "template_pool.h"
#include "trailer.h"

#include <cstdio>

namespace {

constexpr std::string_view game = "program/TheGameCanvas";
constexpr std::string_view frameClass = "program/locals";
constexpr std::string_view callDescriptor = "(Lprogram/locals;I)I";

// The JVM instructions the listings use.
enum Opcode : int {
    IConst0 = 0x03, FConst0 = 0x0B, BiPush = 0x10, SiPush = 0x11, ALoad0 = 0x2A, ALoad1 = 0x2B,
    IALoad = 0x2E, FALoad = 0x30, AALoad = 0x32, IAStore = 0x4F, FAStore = 0x51, AAStore = 0x53,
    Pop = 0x57, Pop2 = 0x58, Dup = 0x59, Swap = 0x5F, IAdd = 0x60, FAdd = 0x62, ISub = 0x64, FSub = 0x66,
    IMul = 0x68, FMul = 0x6A, FDiv = 0x6E, I2F = 0x86, FCmpL = 0x95, FCmpG = 0x96, IfEq = 0x99, IfNe = 0x9A,
    IfLt = 0x9B, IfGe = 0x9C, IfGt = 0x9D, IfLe = 0x9E, IfICmpEq = 0x9F, IfICmpNe = 0xA0, IfICmpLt = 0xA1,
    IfICmpGe = 0xA2, IfICmpGt = 0xA3, IfICmpLe = 0xA4, Goto = 0xA7, IReturn = 0xAC, GetField = 0xB4,
    PutField = 0xB5, InvokeVirtual = 0xB6, InvokeSpecial = 0xB7, InvokeStatic = 0xB8, New = 0xBB,
};

constexpr int localSlotBase = 5000;

std::string byteText(int b) {
    char text[8];
    std::snprintf(text, sizeof text, "$%02X ", b & 0xFF);
    return text;
}

std::string numbered(std::string_view prefix, int number) {
    char text[24];
    std::snprintf(text, sizeof text, "%.4d", number);
    return std::string(prefix) + text;
}

std::string_view tableField(ValueKind kind) {
    return kind == ValueKind::Integer ? "ints" : kind == ValueKind::Float ? "floats" : "strings";
}

std::string_view tableDescriptor(ValueKind kind) {
    return kind == ValueKind::Integer ? "[I" : kind == ValueKind::Float ? "[F" : "[Ljava/lang/String;";
}

std::string_view javaType(ValueKind kind) {
    return kind == ValueKind::Integer ? "I" : kind == ValueKind::Float ? "F" : "Ljava/lang/String;";
}

int operandBytes(int op) {
    switch (op) {
        case BiPush: return 1;
        case SiPush: case GetField: case PutField: case InvokeVirtual: case InvokeSpecial: case InvokeStatic:
        case New: return 2;
        default: return 0;
    }
}

// Stack slots taken by the arguments of a method descriptor, and 1 when it returns a value.
std::pair<int, int> descriptorSlots(std::string_view descriptor) {
    int arguments = 0;
    std::size_t i = 1;
    for (; i < descriptor.size() && descriptor[i] != ')'; ++i, ++arguments) {
        while (descriptor[i] == '[') ++i;
        if (descriptor[i] == 'L') i = descriptor.find(';', i);
    }
    return {arguments, descriptor.substr(i + 1) == "V" ? 0 : 1};
}

std::string_view entryDescriptor(int index) {
    for (const TemplatePoolEntry& e : templatePool)
        if (e.index == index) return e.descriptor;
    return "()V";
}

// What an instruction of the listings does to the depth of the operand stack.
int stackEffect(int op, int entry) {
    switch (op) {
        case ALoad0: case ALoad1: case BiPush: case SiPush: case Dup: case New: case FConst0: return 1;
        case IALoad: case FALoad: case AALoad: case Pop: case IAdd: case FAdd: case ISub: case FSub: case IMul:
        case FMul: case FDiv: case FCmpL: case FCmpG: case IReturn: case IfEq: case IfNe: case IfLt: case IfGe:
        case IfGt: case IfLe: return -1;
        case Pop2: case PutField: case IfICmpEq: case IfICmpNe: case IfICmpLt: case IfICmpGe: case IfICmpGt:
        case IfICmpLe: return -2;
        case IAStore: case FAStore: case AAStore: return -3;
        case InvokeVirtual: case InvokeSpecial: case InvokeStatic: {
            auto [arguments, result] = descriptorSlots(entryDescriptor(entry));
            return result - arguments - (op == InvokeStatic ? 0 : 1);
        }
        default: return op >= IConst0 - 1 && op <= IConst0 + 5 ? 1 : 0;  // iconst, or swap, i2f, getfield, goto
    }
}

// The operators that call the game class, which must then stand below both sides.
bool callsGame(char op, ValueKind mode) {
    return mode == ValueKind::String ? op == '+' : op == '%' || (op == '/' && mode == ValueKind::Integer);
}

// A table of a set-up block as the number of entries it needs: up to its highest slot.
int tableLength(const TableSize& size, int base) { return size.count == 0 ? 0 : size.highestSlot - base + 1; }

bool sameSizes(const std::array<TableSize, 3>& a, const std::array<TableSize, 3>& b) {
    for (int k = 0; k < 3; ++k)
        if (a[k].count != b[k].count || a[k].lowestSlot != b[k].lowestSlot || a[k].highestSlot != b[k].highestSlot)
            return false;
    return true;
}

// Branch opcodes of an integer comparison: taken when it holds, and when it fails.
int integerBranch(Comparison c, bool whenTrue) {
    switch (c) {
        case Comparison::Equal: return whenTrue ? IfICmpEq : IfICmpNe;
        case Comparison::NotEqual: return whenTrue ? IfICmpNe : IfICmpEq;
        case Comparison::Less: return whenTrue ? IfICmpLt : IfICmpGe;
        case Comparison::GreaterEqual: return whenTrue ? IfICmpGe : IfICmpLt;
        case Comparison::Greater: return whenTrue ? IfICmpGt : IfICmpLe;
        default: return whenTrue ? IfICmpLe : IfICmpGt;  // LessEqual
    }
}

// A float comparison is false when either side is not a number (only "not
// equal" holds): fcmpg makes such a pair "greater", fcmpl "less", whichever
// fails the test.
int floatCompare(Comparison c) { return c == Comparison::Less || c == Comparison::LessEqual ? FCmpG : FCmpL; }

int floatBranch(Comparison c, bool whenTrue) {
    switch (c) {
        case Comparison::Equal: return whenTrue ? IfEq : IfNe;
        case Comparison::NotEqual: return whenTrue ? IfNe : IfEq;
        case Comparison::Less: return whenTrue ? IfLt : IfGe;
        case Comparison::GreaterEqual: return whenTrue ? IfGe : IfLt;
        case Comparison::Greater: return whenTrue ? IfGt : IfLe;
        default: return whenTrue ? IfLe : IfGt;  // LessEqual
    }
}

}  // namespace

bool PackageWriter::writing() const { return known != nullptr; }

void PackageWriter::code(std::initializer_list<int> bytes) {
    if (!writing() || muted()) return;
    std::string& out = listing();
    for (int b : bytes) out += byteText(b);
    out.back() = '\n';
    std::vector<int> code(bytes);
    for (std::size_t at = 0; at < code.size(); at += 1 + operandBytes(code[at])) {
        int op = code[at];
        int entry = operandBytes(op) == 2 ? (code[at + 1] & 0xFF) << 8 | (code[at + 2] & 0xFF) : 0;
        track(stackEffect(op, entry));
    }
}

// The operand stack must fit the methods' max_stack; a deeper expression is
// refused rather than packaged into a class no phone would load.
void PackageWriter::track(int effect) {
    int& depth = inProcedure ? procedureDepth : mainDepth;
    depth += effect;
    if (depth > templateLayout::maxStack && tooDeepLine == 0) tooDeepLine = line;
}

int PackageWriter::member(PoolKind kind, std::string_view owner, std::string_view name, std::string_view descriptor) {
    int index = templatePoolIndex(kind, owner, name, descriptor);
    if (index == 0 && writing() && missingMember.empty())
        missingMember = std::string(owner) + "." + std::string(name) + std::string(descriptor);
    return index;
}

void PackageWriter::invoke(std::string_view name, std::string_view descriptor) {
    int i = member(PoolKind::Method, game, name, descriptor);
    code({InvokeVirtual, i >> 8, i});
}

void PackageWriter::invokeStatic(std::string_view name, std::string_view descriptor) {
    int i = member(PoolKind::Method, game, name, descriptor);
    code({InvokeStatic, i >> 8, i});
}

void PackageWriter::field(int opcode, std::string_view owner, std::string_view name, std::string_view descriptor) {
    int i = member(PoolKind::Field, owner, name, descriptor);
    code({opcode, i >> 8, i});
}

void PackageWriter::pushInt(std::int32_t value) {
    if (value >= -1 && value <= 5) code({IConst0 + value});
    else if (value >= -128 && value <= 127) code({BiPush, value});
    else if (value >= -32768 && value <= 32767) code({SiPush, value >> 8, value});
    else pushPooledInt(value);
}

void PackageWriter::pushPooledInt(std::int32_t value) {
    int index = int(intPool.size());
    if (writing()) intPool.push_back(value);
    poolConstant("intConstant", "(I)I", index);
}

void PackageWriter::pushText(std::string_view text) {
    auto found = stringIndex.find(text);
    int index = found != stringIndex.end() ? found->second : int(stringPool.size());
    if (found == stringIndex.end() && writing()) {
        stringPool.emplace_back(text);
        stringIndex.emplace(std::string(text), index);
    }
    poolConstant("stringConstant", "(I)Ljava/lang/String;", index);
}

void PackageWriter::poolConstant(std::string_view method, std::string_view descriptor, int index) {
    code({ALoad0});
    pushInt(index);
    invoke(method, descriptor);
}

// Every label line is followed by the fixed line of its listing; the Exit
// command is looked at there, so that loops stop even within one line.
void PackageWriter::labelLine(std::string_view prefix, int number) {
    if (!writing()) return;
    listing() += ":" + numbered(prefix, number) + (inProcedure ? "\n$09 $42\n" : "\n$09 $40\n");
    // The frames declare an empty stack; code that reaches a label does so with nothing on it.
    int& depth = inProcedure ? procedureDepth : mainDepth;
    if (depth != 0 && !muted()) stackAtLabel = true;
    depth = 0;
    muted() = false;
    code({ALoad0});
    invoke("poll", "()V");
}

void PackageWriter::branch(int opcode, std::string_view prefix, int number) {
    if (!writing() || muted()) return;
    listing() += byteText(opcode) + "_" + numbered(prefix, number) + "\n";
    track(stackEffect(opcode, 0));
}

// Code after an unconditional jump is unreachable and has no frame: the
// listing stays silent until the next label.
void PackageWriter::jumpTo(std::string_view prefix, int number) {
    branch(Goto, prefix, number);
    if (writing()) muted() = true;
}

void PackageWriter::arrayRef(ValueKind kind, int slot) {
    if (slot >= localSlotBase) {
        code({ALoad1});
        field(GetField, frameClass, tableField(kind), tableDescriptor(kind));
    } else {
        code({ALoad0});
        field(GetField, game, tableField(kind), tableDescriptor(kind));
    }
}

void PackageWriter::table(ValueKind kind, int slot) {
    arrayRef(kind, slot);
    pushInt(slot >= localSlotBase ? slot - localSlotBase : slot);
}

void PackageWriter::load(ValueKind kind) { code({kind == ValueKind::Integer ? IALoad : kind == ValueKind::Float ? FALoad : AALoad}); }

void PackageWriter::store(ValueKind kind) { code({kind == ValueKind::Integer ? IAStore : kind == ValueKind::Float ? FAStore : AAStore}); }

void PackageWriter::pushDefault(ValueKind kind) {
    if (kind == ValueKind::Integer) code({IConst0});
    else if (kind == ValueKind::Float) code({FConst0});
    else pushText("");
}

void PackageWriter::convert(ValueKind from, ValueKind to) {
    if (from == ValueKind::Integer && to == ValueKind::Float) code({I2F});
    else if (from == ValueKind::Float && to == ValueKind::Integer) invokeStatic("toInt", "(F)I");
}

// A value just pushed joins the value of its bracket level through the pending operator.
void PackageWriter::operand(ValueKind kind) {
    Evaluation& e = evaluations.back();
    convert(kind, e.mode);
    Level& level = e.levels.back();
    if (level.hasValue) combine(level.op, e.mode);
    level.hasValue = true;
    level.op = 0;
}

// A call that gives no value leaves the value of its level as it was and
// drops the pending operator; at the start of a level the value is 0, 0.0 or
// the empty text.
void PackageWriter::nothing() {
    Evaluation& e = evaluations.back();
    Level& level = e.levels.back();
    if (!level.hasValue) {
        pushDefault(e.mode);
    } else if (callsGame(level.op, e.mode)) {
        code({Swap, Pop});  // the game class, put below the value for the operator
    }
    level.hasValue = true;
    level.op = 0;
}

void PackageWriter::combine(char op, ValueKind mode) {
    if (mode == ValueKind::String) {
        if (op == '+') invoke("concat", "(Ljava/lang/String;Ljava/lang/String;)Ljava/lang/String;");
        else code({Swap, Pop});  // every other operator replaces the text
        return;
    }
    bool integer = mode == ValueKind::Integer;
    switch (op) {
        case '+': code({integer ? IAdd : FAdd}); break;
        case '-': code({integer ? ISub : FSub}); break;
        case '*': code({integer ? IMul : FMul}); break;
        case '/':
            if (integer) invoke("divide", "(II)I");
            else code({FDiv});
            break;
        case '%':
            if (integer) invoke("modulo", "(II)I");
            else invoke("moduloFloat", "(FF)F");
            break;
        default: code({Swap, Pop});
    }
}

void PackageWriter::begin(ValueKind mode, Purpose purpose) { evaluations.push_back({mode, purpose}); }

PackageWriter::Evaluation PackageWriter::end() {
    Evaluation e = evaluations.back();
    evaluations.pop_back();
    if (!e.levels.front().hasValue) pushDefault(e.mode);
    return e;
}

const ProcedureLayout* PackageWriter::knownProcedure(int number) {
    if (!writing()) return nullptr;
    if (number < 1 || number > int(known->procedures.size()) || !known->procedures[number - 1].defined) {
        procedureMismatch = true;
        return nullptr;
    }
    return &known->procedures[number - 1];
}

// ---- program structure ----

void PackageWriter::programStart() {
    if (!writing()) return;
    const auto& sizes = known->mainSizes;
    code({ALoad0});
    for (const TableSize& size : sizes) pushInt(tableLength(size, 0));
    invoke("setUp", "(III)V");
}

void PackageWriter::lineMark(int sourceLine) {
    line = sourceLine;
    code({ALoad0});
    pushInt(sourceLine);
    invoke("step", "(I)V");
}

void PackageWriter::statementEnd() {
    while (!evaluations.empty() && evaluations.back().purpose == Purpose::Store) store(end().elementKind);
}

void PackageWriter::endProgram() {
    code({ALoad0});
    invoke("end", "()V");
    if (writing()) muted() = true;
}

void PackageWriter::setupBlock(int, const std::array<TableSize, 3>& sizes) {
    if (!inProcedure) {
        layout.mainSizes = sizes;
        return;
    }
    if (!writing()) {
        layout.procedures[procedure - 1].sizes = sizes;
        return;
    }
    if (const ProcedureLayout* p = knownProcedure(procedure); p && !sameSizes(p->sizes, sizes))
        procedureMismatch = true;
    // Every way out of the procedure meets here and returns the integer result.
    labelLine("XP", procedure);
    code({ALoad0});
    field(GetField, game, "intResult", "I");
    code({IReturn});
    muted() = true;
}

void PackageWriter::trailer(const ProgramSettings& s, int lastLabel, int trueTargets, int falseTargets,
                            int lastProcedure) {
    if (!writing()) return;
    dataFile += "\n";
    char line[48];
    if (!intPool.empty()) {
        std::snprintf(line, sizeof line, "@i=%d:\n", int(intPool.size()));
        dataFile += line;
        for (std::int32_t v : intPool) dataFile += "i" + std::to_string(v) + "\n";
    }
    if (!floatPool.empty()) {
        std::snprintf(line, sizeof line, "@f=%d:\n", int(floatPool.size()));
        dataFile += line;
        for (const std::string& f : floatPool) dataFile += "f" + f + "\n";
    }
    if (!stringPool.empty()) {
        std::snprintf(line, sizeof line, "@s=%d:\n", int(stringPool.size()));
        dataFile += line;
        for (const std::string& t : stringPool) dataFile += "s" + t + "\n";
    }
    dataFile += trailerRecords(s, lastLabel, trueTargets, falseTargets, lastProcedure);
    inProcedure = false;
    labelLine("L", 0);
}

std::string PackageWriter::procedureListing() const {
    if (procedureCode.empty() || !writing()) return {};
    std::string dispatch;
    for (std::size_t n = 1; n <= known->procedures.size(); ++n) {
        if (!known->procedures[n - 1].defined) continue;
        dispatch += byteText(0x1C) + byteText(SiPush) + byteText(int(n) >> 8) + byteText(int(n)) + byteText(IfICmpEq) +
                    "_" + numbered("P", int(n)) + "\n";  // iload_2: the procedure number
    }
    return dispatch + "$03 $AC\n" + procedureCode;
}

// ---- jumps and labels ----

void PackageWriter::labelMark(int label) {
    labelLine("L", label);
    if (inProcedure && label == skipLabel) inProcedure = false;  // the procedure's end
}

void PackageWriter::userLabelMark(int label) {
    labelLine("L", label);
    if (writing()) dataFile += "_" + numbered("", label) + ":\n";
}

void PackageWriter::jump(int label) { jumpTo("L", label); }

void PackageWriter::restoreData(int label) {
    code({ALoad0});
    pushInt(label);
    invoke("restoreTo", "(I)V");
}

// ---- procedures ----

void PackageWriter::procedureStart(int skip, int number, int) {
    if (!writing()) {
        if (int(layout.procedures.size()) < number) layout.procedures.resize(number);
        layout.procedures[number - 1].defined = true;
    } else {
        knownProcedure(number);
    }
    inProcedure = true;
    procedure = number;
    skipLabel = skip;
    labelLine("P", number);
}

void PackageWriter::parameterCopy(ValueKind kind, int slot, int position) {
    if (!writing()) {
        layout.procedures[procedure - 1].parameters.push_back({kind, slot});
        return;
    }
    const ProcedureLayout* p = knownProcedure(procedure);
    if (p && (position >= int(p->parameters.size()) || p->parameters[position] != std::pair(kind, slot)))
        procedureMismatch = true;
}

void PackageWriter::returnValueStart(ValueKind kind) {
    if (!writing()) layout.procedures[procedure - 1].returnsValue = true;
    code({ALoad0});
    begin(kind, Purpose::ReturnValue);
}

void PackageWriter::returnValueEnd() {
    ValueKind kind = end().mode;
    field(PutField, game, kind == ValueKind::Integer ? "intResult" : kind == ValueKind::Float ? "floatResult" : "stringResult",
          javaType(kind));
}

void PackageWriter::procedureExit(int number) { jumpTo("XP", number); }

// ---- conditions ----

void PackageWriter::comparisonKind(ValueKind kind) { begin(kind, Purpose::ComparisonLeft); }

void PackageWriter::comparison(Comparison c) {
    ValueKind kind = end().mode;
    begin(kind, Purpose::ComparisonRight);
    evaluations.back().comparison = c;
}

void PackageWriter::test(bool jumpWhenTrue, std::string_view prefix, int number) {
    Evaluation e = end();
    const Comparison c = e.comparison;
    if (e.mode == ValueKind::Integer) {
        branch(integerBranch(c, jumpWhenTrue), prefix, number);
    } else if (e.mode == ValueKind::Float) {
        code({floatCompare(c)});
        branch(floatBranch(c, jumpWhenTrue), prefix, number);
    } else if (c == Comparison::Equal || c == Comparison::NotEqual) {
        invokeStatic("textEqual", "(Ljava/lang/String;Ljava/lang/String;)Z");
        branch((c == Comparison::Equal) == jumpWhenTrue ? IfNe : IfEq, prefix, number);
    } else {
        // Texts have no order: such a comparison never holds.
        code({Pop2});
        if (!jumpWhenTrue) jumpTo(prefix, number);
    }
}

void PackageWriter::jumpUnlessFalseTarget(int target) { test(false, "IE", target); }
void PackageWriter::jumpIfTrueTarget(int target) { test(true, "IP", target); }
void PackageWriter::trueTarget(int target) { labelLine("IP", target); }
void PackageWriter::falseTarget(int target) { labelLine("IE", target); }
void PackageWriter::jumpToFalseTarget(int target) { jumpTo("IE", target); }
void PackageWriter::loopTest(int label) { test(false, "L", label); }

// ---- expressions ----

void PackageWriter::integerLiteral(std::int32_t value) {
    if (value >= 0 && value <= 32767) pushInt(value);
    else pushPooledInt(value);
    operand(ValueKind::Integer);
}

void PackageWriter::floatLiteral(std::int32_t integerPart, std::string_view fraction) {
    int index = int(floatPool.size());
    if (writing()) floatPool.push_back(std::to_string(integerPart) + "." + std::string(fraction));
    poolConstant("floatConstant", "(I)F", index);
    operand(ValueKind::Float);
}

void PackageWriter::stringLiteral(std::string_view text) {
    pushText(text);
    operand(ValueKind::String);
}

// A minus sign is 0 minus what follows, joined through the pending operator
// like any operand: so a * -b is (a * 0) - b, as the desktop runtime has it.
void PackageWriter::negate() {
    integerLiteral(0);
    arithmetic('-');
}

void PackageWriter::groupOpen() { evaluations.back().levels.push_back({}); }

void PackageWriter::groupClose() {
    Evaluation& e = evaluations.back();
    e.levels.pop_back();
    Level& level = e.levels.back();
    if (level.hasValue) combine(level.op, e.mode);
    level.hasValue = true;
    level.op = 0;
}

void PackageWriter::arithmetic(char op) {
    Evaluation& e = evaluations.back();
    e.levels.back().op = op;
    if (callsGame(op, e.mode)) code({ALoad0, Swap});
}

void PackageWriter::variableRead(ValueKind kind, int slot) {
    table(kind, slot);
    load(kind);
    operand(kind);
}

void PackageWriter::assignment(ValueKind kind, int slot) {
    table(kind, slot);
    begin(kind, Purpose::Store);
    evaluations.back().elementKind = kind;
}

void PackageWriter::elementStart(bool write, ValueKind kind, int firstSlot, int highestIndex) {
    arrayRef(kind, firstSlot);
    begin(ValueKind::Integer, Purpose::ElementIndex);
    Evaluation& e = evaluations.back();
    e.elementKind = kind;
    e.elementWrite = write;
    e.firstSlot = firstSlot;
    e.highestIndex = highestIndex;
}

// Source indexes count from 1; each group becomes (index - 1) times the number
// of elements its later dimensions span, left to right, and the groups are added up.
void PackageWriter::indexGroupEnd(bool lastGroup, long long laterElements) {
    arithmetic('-');
    integerLiteral(1);
    if (!lastGroup && laterElements >= 1) {
        arithmetic('*');
        integerLiteral(std::int32_t(laterElements));
    }
    groupClose();
    if (!lastGroup) arithmetic('+');
}

void PackageWriter::indexEnd() {
    Evaluation e = end();
    code({ALoad0, Swap});
    pushInt(e.highestIndex);
    invoke("index", "(II)I");
    if (int base = e.firstSlot >= localSlotBase ? e.firstSlot - localSlotBase : e.firstSlot) {
        pushInt(base);
        code({IAdd});
    }
    if (e.elementWrite) {
        begin(e.elementKind, Purpose::Store);
        evaluations.back().elementKind = e.elementKind;
    } else {
        load(e.elementKind);
        operand(e.elementKind);
    }
}

void PackageWriter::builtinCallStart(int code_) {
    const char result = keywordTable[code_].signature[1];
    calls.push_back({true, code_, kindOfDigit(result), evaluations.empty()});
    code({ALoad0});
}

// A procedure gets a new frame, sized as pass 1 found its tables, and each
// argument goes straight into the slot of its parameter.
void PackageWriter::procedureCallStart(int number, ValueKind result) {
    calls.push_back({false, number, result, evaluations.empty()});
    const ProcedureLayout* p = knownProcedure(number);
    if (!p) return;
    int frame = member(PoolKind::Class, frameClass);
    code({ALoad0, New, frame >> 8, frame, Dup});
    for (const TableSize& size : p->sizes) pushInt(tableLength(size, localSlotBase));
    int constructor = member(PoolKind::Method, frameClass, "<init>", "(III)V");
    code({InvokeSpecial, constructor >> 8, constructor});
}

void PackageWriter::argumentStart(ValueKind kind) {
    Call& call = calls.back();
    if (!call.builtin) {
        const ProcedureLayout* p = knownProcedure(call.number);
        if (p && call.arguments < int(p->parameters.size()) && p->parameters[call.arguments].first == kind) {
            code({Dup});
            field(GetField, frameClass, tableField(kind), tableDescriptor(kind));
            pushInt(p->parameters[call.arguments].second - localSlotBase);
        } else if (writing()) {
            procedureMismatch = true;
        }
    }
    begin(kind, Purpose::Argument);
}

void PackageWriter::argumentEnd() {
    ValueKind kind = end().mode;
    Call& call = calls.back();
    if (!call.builtin) store(kind);
    ++call.arguments;
}

void PackageWriter::callEnd() {
    Call call = calls.back();
    calls.pop_back();
    if (!call.builtin) {
        pushInt(call.number);
        invoke("call", callDescriptor);
        const ProcedureLayout* p = writing() ? knownProcedure(call.number) : nullptr;
        if (p && !p->returnsValue) {
            code({Pop});
            if (!call.statement) nothing();
            return;
        }
        // Float and text results wait in the game class; the integer is returned.
        if (call.result == ValueKind::Float) {
            code({Pop, ALoad0});
            field(GetField, game, "floatResult", "F");
        } else if (call.result == ValueKind::String) {
            code({Pop, ALoad0});
            field(GetField, game, "stringResult", "Ljava/lang/String;");
        }
    } else {
        PhoneMethod m = builtinMethod(call.number);
        invoke(m.name, m.descriptor);
    }
    if (call.result == ValueKind::None) return;
    if (call.statement) code({Pop});
    else operand(call.result);
}

// ---- statements with codes of their own ----

void PackageWriter::printStart(ValueKind kind) {
    code({ALoad0});
    begin(kind, Purpose::Print);
}

void PackageWriter::printEnd() {
    ValueKind kind = end().mode;
    if (kind == ValueKind::Integer) invoke("printInt", "(I)V");
    else if (kind == ValueKind::Float) invoke("printFloat", "(F)V");
    else invoke("print", "(Ljava/lang/String;)V");
}

void PackageWriter::dataItem(ValueKind kind, std::string_view text) {
    if (!writing()) return;
    dataFile += 'h';
    dataFile += typeDigit(kind);
    dataFile += text;
    dataFile += '\n';
}

void PackageWriter::sortArray(ValueKind kind, int firstSlot, int lastSlot) {
    int base = firstSlot >= localSlotBase ? localSlotBase : 0;
    code({ALoad0});
    arrayRef(kind, firstSlot);
    pushInt(firstSlot - base);
    pushInt(lastSlot - base);
    if (kind == ValueKind::Integer) invoke("sortInts", "([III)V");
    else if (kind == ValueKind::Float) invoke("sortFloats", "([FII)V");
    else invoke("sortStrings", "([Ljava/lang/String;II)V");
}

// A loading statement calls "b" and its keyword with its numbers and the
// file's name in the JAR, which stores every loaded file at its root by its
// bare name.
void PackageWriter::loadResource(int keyword, std::initializer_list<int> numbers, std::string_view file) {
    const std::string name = "b" + std::string(keywordTable[keyword].name);
    const std::string descriptor = "(" + std::string(numbers.size(), 'I') + "Ljava/lang/String;)V";
    code({ALoad0});
    for (int n : numbers) pushInt(n);
    pushText("/" + std::string(bareFileName(file)));
    invoke(name, descriptor);
}

void PackageWriter::loadImage(int slot, std::string_view name) { loadResource(KwLoadImage, {slot}, name); }
void PackageWriter::loadMultiImage(int slot, int count, int width, int height, std::string_view name) {
    loadResource(KwLoadMultiImage, {slot, count, width, height}, name);
}
void PackageWriter::loadSound(int keyword, int slot, std::string_view name) { loadResource(keyword, {slot}, name); }
void PackageWriter::loadMap(std::string_view name) { loadResource(KwLoadMap, {}, name); }
