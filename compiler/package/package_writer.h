// The phone-package back end: writes the program as Java bytecode listings
// for the game class (the main listing, inserted into runMain, and the
// procedure listing, inserted into runProc) and the package data file
// orb16.dat (DATA items, user labels, constant pools, trailer).
//
// Pass 1 writes nothing and collects what pass 2 must know before it meets
// it: the variable table sizes of the main program and of each procedure,
// which size the tables when the program starts or a procedure is called,
// each procedure's parameter slots, where a call puts its arguments, and
// whether it ever gives a value (a call of one that never does gives nothing).
//
// The code keeps the operand stack empty at every label and never stores into
// the method's locals, so the frames pass 3 adds hold everywhere. Values are
// computed on the operand stack strictly left to right, as the desktop
// runtime's accumulators compute them.
#pragma once

#include "code_writer.h"
#include "template_pool_entry.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct ProcedureLayout {
    bool defined = false;
    bool returnsValue = false;  // some EndProc or ExitProc gives a value
    std::array<TableSize, 3> sizes;
    std::vector<std::pair<ValueKind, int>> parameters;  // kind and slot, by position
};

struct PackageLayout {
    std::array<TableSize, 3> mainSizes;
    std::vector<ProcedureLayout> procedures;  // procedure n at index n - 1
};

class PackageWriter final : public CodeWriter {
public:
    // Pass 1 when pass1 is null; pass 2 writes with what pass 1 collected.
    explicit PackageWriter(const PackageLayout* pass1) : known(pass1) {}

    PackageLayout layout;               // collected by pass 1
    std::string mainListing;
    std::string dataFile;
    bool procedureMismatch = false;     // pass 2 met a procedure unlike pass 1's
    std::string missingMember;          // a game-class member the template lacks
    int tooDeepLine = 0;                // a line whose values outgrow the operand stack
    bool stackAtLabel = false;          // code reached a label with values on the stack: a fault of ours

    // The procedure listing, opened by the dispatch on the procedure number.
    std::string procedureListing() const;

    void programStart() override;
    void lineMark(int line) override;
    void statementEnd() override;
    void endProgram() override;
    void setupBlock(int label, const std::array<TableSize, 3>& sizes) override;
    void variableName(ValueKind, int, std::string_view) override {}
    void arrayName(ValueKind, int, int, std::string_view) override {}
    void trailer(const ProgramSettings& s, int lastLabel, int trueTargets, int falseTargets,
                 int lastProcedure) override;
    void labelMark(int label) override;
    void userLabelMark(int label) override;
    void jump(int label) override;
    void restoreData(int label) override;
    void procedureStart(int skipLabel, int procedure, int setupLabel) override;
    void parameterCopy(ValueKind kind, int slot, int position) override;
    void returnValueStart(ValueKind kind) override;
    void returnValueEnd() override;
    void procedureExit(int procedure) override;
    void comparisonKind(ValueKind kind) override;
    void comparison(Comparison c) override;
    void jumpUnlessFalseTarget(int target) override;
    void jumpIfTrueTarget(int target) override;
    void trueTarget(int target) override;
    void falseTarget(int target) override;
    void jumpToFalseTarget(int target) override;
    void loopTest(int label) override;
    void integerLiteral(std::int32_t value) override;
    void floatLiteral(std::int32_t integerPart, std::string_view fraction) override;
    void stringLiteral(std::string_view text) override;
    void negate() override;
    void groupOpen() override;
    void groupClose() override;
    void arithmetic(char op) override;
    void variableRead(ValueKind kind, int slot) override;
    void assignment(ValueKind kind, int slot) override;
    void elementStart(bool write, ValueKind kind, int firstSlot, int highestIndex) override;
    void indexGroupEnd(bool lastGroup, long long laterElements) override;
    void indexEnd() override;
    void builtinCallStart(int code) override;
    void procedureCallStart(int procedure, ValueKind result) override;
    void argumentStart(ValueKind kind) override;
    void argumentEnd() override;
    void callEnd() override;
    void printStart(ValueKind kind) override;
    void printEnd() override;
    void dataItem(ValueKind kind, std::string_view text) override;
    void sortArray(ValueKind kind, int firstSlot, int lastSlot) override;
    void loadImage(int slot, std::string_view name) override;
    void loadMultiImage(int slot, int count, int width, int height, std::string_view name) override;
    void loadSound(int keyword, int slot, std::string_view name) override;
    void loadMap(std::string_view name) override;

private:
    // What the value being computed is for, which decides what its end writes.
    enum class Purpose { Store, ElementIndex, Argument, Print, ReturnValue, ComparisonLeft, ComparisonRight };
    // One bracket level: its pending operator and whether it holds a value yet.
    struct Level {
        char op = 0;
        bool hasValue = false;
    };
    struct Evaluation {
        ValueKind mode;
        Purpose purpose;
        std::vector<Level> levels{1};
        ValueKind elementKind = ValueKind::None;  // element index: the array's kind
        bool elementWrite = false;
        int firstSlot = 0, highestIndex = 0;
        Comparison comparison = Comparison::None;
    };
    struct Call {
        bool builtin;
        int number;             // built-in code or procedure number
        ValueKind result;
        bool statement;         // a statement of its own: its value is dropped
        int arguments = 0;
    };

    const PackageLayout* known;
    std::string procedureCode;
    bool inProcedure = false;
    int procedure = 0;          // the procedure being compiled
    int skipLabel = -1;         // its skip label, which closes it
    bool mainMuted = false, procedureMuted = false;
    int mainDepth = 0, procedureDepth = 0;  // operand stack depth at the end of each listing
    int line = 0;               // the source line being compiled
    std::vector<Evaluation> evaluations;
    std::vector<Call> calls;
    std::vector<std::int32_t> intPool;
    std::vector<std::string> floatPool;
    std::vector<std::string> stringPool;
    std::map<std::string, int, std::less<>> stringIndex;

    bool writing() const;
    std::string& listing() { return inProcedure ? procedureCode : mainListing; }
    bool& muted() { return inProcedure ? procedureMuted : mainMuted; }
    void code(std::initializer_list<int> bytes);
    void track(int effect);
    void pushInt(std::int32_t value);
    void pushPooledInt(std::int32_t value);
    void pushText(std::string_view text);
    int member(PoolKind kind, std::string_view owner, std::string_view name = {}, std::string_view descriptor = {});
    void invoke(std::string_view name, std::string_view descriptor);
    void invokeStatic(std::string_view name, std::string_view descriptor);
    void field(int opcode, std::string_view owner, std::string_view name, std::string_view descriptor);
    void labelLine(std::string_view prefix, int number);
    void branch(int opcode, std::string_view prefix, int number);
    void table(ValueKind kind, int slot);
    void load(ValueKind kind);
    void store(ValueKind kind);
    void pushDefault(ValueKind kind);
    void convert(ValueKind from, ValueKind to);
    void operand(ValueKind kind);
    void nothing();
    void combine(char op, ValueKind mode);
    void loadResource(int keyword, std::initializer_list<int> numbers, std::string_view file);
    void begin(ValueKind mode, Purpose purpose);
    Evaluation end();
    void test(bool jumpWhenTrue, std::string_view prefix, int number);
    void poolConstant(std::string_view method, std::string_view descriptor, int index);
    const ProcedureLayout* knownProcedure(int number);
    void arrayRef(ValueKind kind, int slot);
    void jumpTo(std::string_view prefix, int number);
};
