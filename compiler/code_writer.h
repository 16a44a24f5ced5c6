// The back end the front end compiles into. The program image is one back end
// (image_writer.h); the phone package's listings are another, so every code the
// front end asks for is named here by what it does, not by its text.
#pragma once

#include "names.h"
#include "program_settings.h"

#include <array>
#include <cstdint>
#include <string_view>

// How many variables of one kind a set-up block announces, and their slot range.
struct TableSize {
    int count = 0;
    int lowestSlot = 9999;
    int highestSlot = 0;
};

// Comparison codes of a condition, numbered as the expression compiler reports them.
enum class Comparison : int { None = 0, LessEqual = 1, GreaterEqual = 2, NotEqual = 3, Less = 4, Greater = 5, Equal = 6 };

class CodeWriter {
public:
    virtual ~CodeWriter() = default;

    // Program structure
    virtual void programStart() = 0;                      // header and the call of the main set-up block
    virtual void lineMark(int line) = 0;
    virtual void statementEnd() = 0;
    virtual void endProgram() = 0;                        // End, and the end of the main program
    virtual void setupBlock(int label, const std::array<TableSize, 3>& sizes) = 0;
    virtual void variableName(ValueKind kind, int slot, std::string_view name) = 0;
    virtual void arrayName(ValueKind kind, int firstSlot, int highestIndex, std::string_view name) = 0;
    virtual void trailer(const ProgramSettings& s, int lastLabel, int trueTargets, int falseTargets,
                         int lastProcedure) = 0;

    // Jumps and labels
    virtual void labelMark(int label) = 0;
    virtual void userLabelMark(int label) = 0;            // a label the program names
    virtual void jump(int label) = 0;
    virtual void restoreData(int label) = 0;

    // Procedures
    virtual void procedureStart(int skipLabel, int procedure, int setupLabel) = 0;
    virtual void parameterCopy(ValueKind kind, int slot, int position) = 0;
    virtual void returnValueStart(ValueKind kind) = 0;         // the value expression follows
    virtual void returnValueEnd() = 0;
    virtual void procedureExit(int procedure) = 0;

    // Conditions
    virtual void comparisonKind(ValueKind kind) = 0;
    virtual void comparison(Comparison c) = 0;
    virtual void jumpUnlessFalseTarget(int target) = 0;   // test; false goes to a false target
    virtual void jumpIfTrueTarget(int target) = 0;        // test; true goes to a true target
    virtual void trueTarget(int target) = 0;
    virtual void falseTarget(int target) = 0;
    virtual void jumpToFalseTarget(int target) = 0;
    virtual void loopTest(int label) = 0;                 // test; false goes to a label

    // Expressions
    virtual void integerLiteral(std::int32_t value) = 0;
    virtual void floatLiteral(std::int32_t integerPart, std::string_view fraction) = 0;
    virtual void stringLiteral(std::string_view text) = 0;  // the text between the quotes
    virtual void negate() = 0;
    virtual void groupOpen() = 0;
    virtual void groupClose() = 0;
    virtual void arithmetic(char op) = 0;
    virtual void variableRead(ValueKind kind, int slot) = 0;
    virtual void assignment(ValueKind kind, int slot) = 0;     // the value expression follows
    virtual void elementStart(bool write, ValueKind kind, int firstSlot, int highestIndex) = 0;
    virtual void indexGroupEnd(bool lastGroup, long long laterElements) = 0;
    virtual void indexEnd() = 0;
    virtual void builtinCallStart(int code) = 0;
    virtual void procedureCallStart(int procedure, ValueKind result) = 0;
    virtual void argumentStart(ValueKind kind) = 0;
    virtual void argumentEnd() = 0;
    virtual void callEnd() = 0;

    // Statements with codes of their own
    virtual void printStart(ValueKind kind) = 0;
    virtual void printEnd() = 0;
    virtual void dataItem(ValueKind kind, std::string_view text) = 0;
    virtual void sortArray(ValueKind kind, int firstSlot, int lastSlot) = 0;
    virtual void loadImage(int slot, std::string_view name) = 0;
    virtual void loadMultiImage(int slot, int count, int width, int height, std::string_view name) = 0;
    virtual void loadSound(int keyword, int slot, std::string_view name) = 0;  // LoadWav, LoadMp3, LoadMid
    virtual void loadMap(std::string_view name) = 0;
};
