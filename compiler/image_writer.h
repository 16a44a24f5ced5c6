// The program-image back end: writes every code as the text the runtime reads.
#pragma once

#include "code_writer.h"

#include <string>

class ImageWriter final : public CodeWriter {
public:
    std::string text;  // the image written so far

    void programStart() override;
    void lineMark(int line) override;
    void statementEnd() override;
    void endProgram() override;
    void setupBlock(int label, const std::array<TableSize, 3>& sizes) override;
    void variableName(ValueKind kind, int slot, std::string_view name) override;
    void arrayName(ValueKind kind, int firstSlot, int highestIndex, std::string_view name) override;
    void trailer(const ProgramSettings& s, int lastLabel, int trueTargets, int falseTargets,
                 int lastProcedure) override;
    void labelMark(int label) override;
    void userLabelMark(int label) override { labelMark(label); }
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
    void code(std::string_view c) { text += c; }
    void field(long long n);        // a number field, as "%.4d" writes it
    void number(long long n);       // a number as "%d" writes it
    void codeField(std::string_view c, long long n) { code(c); field(n); }
};
