// Fast steps: runs of statements that the evaluator would spend most of its
// time re-dispatching (line marks, jumps, integer and float assignments,
// comparisons and their tests), compiled on first visit into a compact form
// that runs many statements per dispatch. Each compiled statement still
// counts as one step, and any statement it cannot finish without a message
// (a divide by zero, an index out of range, a table never sized) is left to
// the evaluator, untouched: the fast form only ever does what the evaluator
// would have done, and hands over before anything else.
#pragma once

#include "value_kind.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct Interp;
struct Image;
struct VariableTables;
struct CallArguments;

// One operation of a compiled expression, on an accumulator machine with a
// small stack for groups and array indexes. A variable or constant operand
// carries its operator in the code itself (`microCode`), so that joining it
// is one dispatch. Names say the operand's source and the accumulator's
// mode: `IntGlobalToFloat` joins an integer global into a float accumulator.
enum class MicroSource : uint8_t {
    IntGlobalToInt, IntGlobalToFloat, IntLocalToInt, IntLocalToFloat,
    FloatGlobalToInt, FloatGlobalToFloat, FloatLocalToInt, FloatLocalToFloat,
    ConstantToInt, ConstantToFloat,
    Open,           // a group or an index starts: the accumulator is saved and cleared
    CloseToInt,     // a group ends and joins the saved integer accumulator
    CloseToFloat,   // a group ends and joins the saved float accumulator
    ElementToInt,   // an index ends: the element it names joins the saved integer accumulator
    ElementToFloat,
    CallToInt,      // a call of a built-in that computes only (index: the FastCall), its number joined
    CallToFloat,
    Parameter,      // `p`: argument slot index of type elementType sets the accumulator, and the level ends
};

// Room for the six operators (None, Add, Subtract, Multiply, Divide, Remainder).
inline constexpr uint8_t microCode(MicroSource source, char operation) {
    return static_cast<uint8_t>(static_cast<uint8_t>(source) * 8 + operation);
}

struct Micro {
    Micro(uint8_t code = 0, char elementType = 0, int32_t index = 0)
        : code(code), elementType(elementType), index(index) {}

    uint8_t code;         // microCode(source, operator)
    char elementType;     // elements: '1' integer, '2' float
    int32_t index = 0;    // variables: the table index; elements: the first slot; calls: the call
    int32_t integer = 0;  // constants, as an integer accumulator sees them
    union {
        int32_t highest = 0;  // elements: the highest index
        float real;           // constants, as a float accumulator sees them
    };
};

// The deepest group nesting a compiled expression may have.
inline constexpr int maxMicroNesting = 16;

// A text that is one variable or one literal: what a fast call's text
// argument may be.
struct TextOperand {
    bool literal = false;
    int32_t value = 0;    // a variable's slot, or a literal's text position
    uint32_t length = 0;  // a literal's length, at most a register's
};

// One term of a text expression: an operator and a text operand, or a call.
struct TextTerm {
    char operation = 0;  // the Operator that joins it
    int32_t call = -1;   // the FastCall, or -1 for the operand
    TextOperand operand;
};

enum class FastKind : uint8_t {
    Move,          // a step that only moves on (a mark, a comment, an empty step, a jump), maybe
                   // setting the line or opening a comparison
    Assign,        // scalar assignment: type '1' or '2', value the slot, the expression after it
    AssignText,    // text assignment: value the slot, the text expression after it
    StoreElement,  // array element assignment: the index expression, then the value's
    CompareLeft,   // the left side of a comparison: compared is its kind, aux the CompareOp; a text
                   // comparison's sides are text expressions
    Test,          // the right side and the test: aux 1 jumps when true, 0 when false; value the target
    Gosub,         // pushes the return (returnPosition) and jumps to value
    Return,        // pops the return stack and goes on there; the group ends, as where is known only then
    Drop,          // pops the return stack and goes on after it
    TableSize,     // a table-size record: type the kind (1 to 3), value the count, lowestSlot
    ReturnValue,   // a procedure's value: type '1' or '2' with the expression, or '3' with the text expression
    ProcedureEnd,  // ends the running procedure (nothing in the main program)
    End,           // not a step: the group ends, and the evaluator's next step starts at position
};

// What moves set: the line, and the kind of a comparison they open.
struct MoveEffect {
    bool setsLine = false, opensComparison = false;
    ValueKind kind : 8 = ValueKind::None;
    int32_t line = 0;

    void then(const MoveEffect& later) {
        if (later.setsLine) {
            setsLine = true;
            line = later.line;
        }
        if (later.opensComparison) {
            opensComparison = true;
            kind = later.kind;
        }
    }
};

struct FastStep {
    explicit FastStep(FastKind kind) : kind(kind) {}

    // Kept small: a big program's statements each have one.
    FastKind kind;
    char type = 0;    // Assign, StoreElement: the stored type digit
    char aux = 0;
    ValueKind compared : 8 = ValueKind::None;  // CompareLeft, Test: the comparison kind the step was compiled for
    uint16_t run = 1;       // Move: the moves in a row from this one on, this one included
    uint16_t indexCount = 0;  // StoreElement: the index expression's micros, which come just before the value's
    uint32_t position = 0;  // where the step starts
    uint32_t after = 0;     // where the evaluator would continue after it (a Test's when it does not jump)
    int32_t value = 0;
    union {
        int32_t highest = 0;      // StoreElement: the highest index
        int32_t lowestSlot;       // TableSize
        uint32_t returnPosition;  // Gosub
    };
    union {
        uint32_t micros = 0;  // the value expression
        uint32_t terms;       // AssignText, ReturnValue of a text and the text comparisons: the text expression
    };
    union {
        uint16_t microCount = 0;
        uint16_t termCount;
    };
    MoveEffect effect;      // Move: what this step sets
    MoveEffect runEffect;   // Move: what the whole run from this one on sets
};

inline constexpr int32_t unresolvedGroup = -1;
// What a position reached for the first time has: it is not compiled (yet).
inline constexpr int32_t notCompiled = -2;

// Statements compiled from one position on, up to the first one that is not
// compilable, a test (which branches) or a length limit, then an End.
struct FastGroup {
    uint32_t firstStep = 0, stepCount = 0;  // stepCount: the statements, without the End
    int32_t next = unresolvedGroup, jump = unresolvedGroup;  // the groups that follow, once looked up
};

// A call's argument, compiled: a number's expression, or a text operand.
struct FastArgument {
    char kind = 0;  // the Argument's type digit; 0: the evaluator's
    TextOperand text;                // '3'
    uint32_t micros = 0, count = 0;  // '1', '2': the expression, in argumentMicros
    uint32_t end = 0;                // where the evaluator continues after the argument
};

// A call of a built-in that computes only, with its arguments compiled.
struct FastCall {
    int32_t code = 0;
    uint32_t firstArgument = 0, argumentCount = 0;
};

struct FastSteps {
    std::vector<FastGroup> groups;
    std::vector<FastStep> steps;
    std::vector<Micro> micros;
    std::vector<Micro> argumentMicros;   // the expressions of arguments, which hold no calls
    std::vector<FastArgument> arguments;  // the evaluator's and the fast calls'
    std::vector<FastCall> calls;
    std::vector<TextTerm> terms;
    std::string text;  // the register of a fast text expression
    std::unordered_map<uint32_t, int32_t> groupOf;     // text position → group
    std::unordered_map<uint32_t, int32_t> argumentOf;  // text position → argument
    // A bit per text position reached once: what runs only once (a long
    // program's set-up) is left to the evaluator and costs no memory.
    std::vector<uint64_t> reached;

    // The groups of recently looked-up positions, so that a program that
    // leaves the fast steps at almost every statement does not hash each time.
    struct Recent {
        uint32_t position = UINT32_MAX;
        int32_t group = 0;
    };
    static constexpr size_t recentSize = 256;
    std::array<Recent, recentSize> recent, recentArguments;
};

// What the compiled form holds, in bytes.
size_t fastStepsBytes(const FastSteps& fast);

// Runs compiled statements from the interpreter's position for as long as it
// can, counting each one as a step and running the checkpoints on the way as
// the statement loop does, and stops before the first statement the
// evaluator has to run. False: a checkpoint ended the statement loop.
bool runFastSteps(Interp& in, VariableTables* locals);

// Whether the native stack leaves room for any evaluation a compiled
// statement stands for; otherwise the evaluator runs it and reports.
bool roomForFastSteps(const Interp& in);

// Fills argument slot k from the argument whose value starts at pos (the
// interpreter's position), and moves the position past it; false leaves both
// to the evaluator.
bool fastArgument(Interp& in, VariableTables* locals, char kind, CallArguments& args, int k);

// The argument compiled from pos: notCompiled the first time pos is reached,
// compiled the second time.
int32_t fastArgumentAt(Interp& in, uint32_t pos, char kind);

// The group compiled from pos: notCompiled the first time pos is reached,
// compiled the second time. A group without steps means the evaluator runs
// the statement at pos.
int32_t fastGroupAt(Interp& in, uint32_t pos);
