// The text codes of the program image, as the loader's scan and the evaluator
// see them: every code is decoded once, at load, into a small record kept in
// a side table indexed by the code's text position, so that the evaluator
// dispatches on the record instead of reading characters and fields again.
// The text stays the program: positions, jumps and the return stack are text
// positions, and the table only caches what the text says.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

struct Image;

enum class Op : uint8_t {
    Undecoded,        // no record yet: a position inside a code, reached only by a damaged image
    Nul,              // the terminator (or a position past the text): the program ends
    EndMark,          // newline, "e", "f": ends the step or expression; aux is the character
    Space,            // filler
    Record,           // "w" + 5: a header or trailer record, ignored
    Comment,          // ";" text newline: ends the step
    LineMark,         // "L" number ":": value is the line; ends the step
    Return,           // "1d": pop the return stack and continue there
    Drop,             // "1e": pop the return stack without jumping
    End,              // "1f": "End of program"
    ProcedureEnd,     // "1x": the running procedure returns
    OtherOne,         // "1" + any other character: nothing
    Mark,             // "~a" / "~d" dddd: label or procedure entry mark, nothing when run
    Goto,             // "~b" dddd: value is the label's position (badTarget: none)
    Gosub,            // "~c" dddd: push the return, then as Goto
    CompareKind,      // "q1".."q3": value is the kind 1..3
    CompareWith,      // "q=" "q!" "q<" "q>": aux is the CompareOp
    TargetMark,       // "q4" / "q5" dddd: a condition target mark, skipped
    TestLabel,        // "q6" dddd: false jumps to the label's position
    TestFalse,        // "q7" dddd: false jumps to the false target's position
    TestTrue,         // "q8" dddd: true jumps to the true target's position
    GotoFalse,        // "q9" dddd: jumps to the false target's position
    IntegerLiteral,   // "m0" text "x": value is the integer
    FloatLiteral,     // "m1" text "x": value holds the float's bits
    StringLiteral,    // "m" quote text quote: the text is at position + 2
    Arithmetic,       // "m+" "m-" "m*" "m/" "m%": aux is the Operator
    // An operator and the operand after it, which the compiler always writes
    // together: one record that does what the two do in turn.
    ArithmeticInteger,  // operator + "v1" dddd: aux is the Operator, value the slot
    ArithmeticFloat,    // operator + "v2" dddd: aux is the Operator, value the slot
    ArithmeticLiteral,  // operator + "m0" text "x": aux is the Operator, value the integer
    Negate,           // "mm": toggles the negate flag
    GroupOpen,        // "m("
    GroupClose,       // "m)"
    Read,             // "v1".."v3" dddd: aux is the type digit, value the slot
    Assign,           // "v4".."v6" dddd: aux is the type digit of the stored value, value the slot
    TableSize,        // "va".."vc" dddd "_" dddd "_" dddd: aux is the kind 1..3, value the count
    NameRecord,       // "vn" ... newline: only the variable dump uses it
    ReturnValue,      // "vp" T: aux is the type digit
    ElementStore,     // "a1".."a3" dddd "_" dddd: aux is the type digit, value the first slot
    ElementRead,      // "a4".."a6" dddd "_" dddd: aux is the type digit, value the first slot
    Sort,             // "as" "at" "au" dddd "_" dddd: aux is the type digit, value the first slot
    BuiltinCall,      // "c" dddd: value is the built-in code
    ProcedureCall,    // "d0" dddd: value is the procedure number
    Argument,         // "d1".."d3": aux is the type digit
    ArgumentsEnd,     // "dx"
    Parameter,        // "p" T N: aux is T, value is N
    Print,            // "ta" "tb" "tc": aux is the variant letter
    DataItem,         // "h1".."h3": skipped when run
    Restore,          // "h4" dddd: value is the label's position (badTarget: none)
    Resource,         // "z0".."z5": read and run by the resource loader
    Invalid,          // a character that starts no code: "Program error"
};

// A jump whose number lies outside its table: "Program location error" when taken.
inline constexpr int32_t badTarget = -1;

struct DecodedCode {
    Op op = Op::Undecoded;
    char aux = 0;
    uint16_t width = 0;  // the evaluator continues at position + width
    int32_t value = 0;
};
static_assert(sizeof(DecodedCode) == 8, "one record per text position: keep it small");

// The code at pos, decoded by the evaluator's rules, and in next the position
// where the evaluator continues after it (the width is left for the table to
// fill). The jump targets come from the image's position tables, so these
// must be built first.
DecodedCode decodeCode(const Image& image, uint32_t pos, uint32_t& next);

struct CodeAt {
    DecodedCode code;
    uint32_t next;  // where the evaluator continues after it
};

// Decodes the code at pos, with the width the table's record would have
// (0 for a code too long for a record's width).
CodeAt decodedAt(const Image& image, uint32_t pos);

// Where the loader's scan continues after the code at pos (the image's skip
// rules, which differ from the evaluator's only in damaged images); nullopt
// for a character that starts no code.
std::optional<uint32_t> skipCode(const Image& image, uint32_t pos);

// The text of the string literal at pos, whose code ends at next: between
// the quotes, or up to the end when the closing quote is missing.
std::string_view literalText(const Image& image, uint32_t pos, uint32_t next);

// Position after the character `c` at or after pos (or the end of the text).
uint32_t skipPast(const Image& image, uint32_t pos, char c);
