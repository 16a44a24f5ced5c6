#include "image_writer.h"

#include "trailer.h"

#include <charconv>

void ImageWriter::field(long long n) {
    char buf[24];
    bool negative = n < 0;
    unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(n) : n;
    auto end = std::to_chars(buf, buf + sizeof buf, magnitude).ptr;
    if (negative) text += '-';
    for (auto digits = end - buf; digits < 4; ++digits) text += '0';
    text.append(buf, end);
}

void ImageWriter::number(long long n) {
    char buf[24];
    text.append(buf, std::to_chars(buf, buf + sizeof buf, n).ptr);
}

void ImageWriter::programStart() { code("w01VXB\n~c0000\n"); }

void ImageWriter::lineMark(int line) {
    code("L");
    number(line);
    code(":");
}

void ImageWriter::statementEnd() { code("\n"); }
void ImageWriter::endProgram() { code("1f"); }

void ImageWriter::setupBlock(int label, const std::array<TableSize, 3>& sizes) {
    codeField("~a", label);
    code("\n");
    static constexpr std::string_view codes[3] = {"va", "vb", "vc"};
    for (int k = 0; k < 3; ++k) {
        if (sizes[k].count == 0) continue;
        codeField(codes[k], sizes[k].count);
        codeField("_", sizes[k].lowestSlot);
        codeField("_", sizes[k].highestSlot);
        code("\n");
    }
    code("1d\n");
}

void ImageWriter::variableName(ValueKind kind, int slot, std::string_view name) {
    code("vnv");
    text += typeDigit(kind);
    field(slot);
    code(name);
    code("\n");
}

void ImageWriter::arrayName(ValueKind kind, int firstSlot, int highestIndex, std::string_view name) {
    code("vna");
    text += typeDigit(kind);
    field(firstSlot);
    codeField("_", highestIndex);
    code(name);
    code("\n");
}

void ImageWriter::trailer(const ProgramSettings& s, int lastLabel, int trueTargets, int falseTargets,
                          int lastProcedure) {
    text += trailerRecords(s, lastLabel, trueTargets, falseTargets, lastProcedure);
}

void ImageWriter::labelMark(int label) { codeField("~a", label); }
void ImageWriter::jump(int label) { codeField("~b", label); }
void ImageWriter::restoreData(int label) { codeField("h4", label); }

void ImageWriter::procedureStart(int skipLabel, int procedure, int setupLabel) {
    codeField("~b", skipLabel);
    code("\n");
    codeField("~d", procedure);
    codeField("~c", setupLabel);
}

void ImageWriter::parameterCopy(ValueKind kind, int slot, int position) {
    code("v");
    text += char('3' + int(kind));
    field(slot);
    code("p");
    text += typeDigit(kind);
    number(position);
    code("e");
}

void ImageWriter::returnValueStart(ValueKind kind) {
    code("vp");
    text += typeDigit(kind);
}

void ImageWriter::returnValueEnd() { code("\n"); }
void ImageWriter::procedureExit(int) { code("1x\n"); }

void ImageWriter::comparisonKind(ValueKind kind) {
    code("q");
    text += typeDigit(kind);
    code("\n");
}

void ImageWriter::comparison(Comparison c) {
    static constexpr std::string_view codes[] = {"", "q<=", "q>=", "q!", "q<<", "q>>", "q="};
    code(codes[int(c)]);
}

void ImageWriter::jumpUnlessFalseTarget(int target) { codeField("q7", target); code("\n"); }
void ImageWriter::jumpIfTrueTarget(int target) { codeField("q8", target); code("\n"); }
void ImageWriter::trueTarget(int target) { codeField("q4", target); code("\n"); }
void ImageWriter::falseTarget(int target) { codeField("q5", target); code("\n"); }
void ImageWriter::jumpToFalseTarget(int target) { codeField("q9", target); code("\n"); }
void ImageWriter::loopTest(int label) { codeField("q6", label); code("\n"); }

void ImageWriter::integerLiteral(std::int32_t value) {
    code("m0");
    number(value);
    code("x");
}

void ImageWriter::floatLiteral(std::int32_t integerPart, std::string_view fraction) {
    code("m1");
    number(integerPart);
    code(".");
    code(fraction);
    code("x");
}

void ImageWriter::stringLiteral(std::string_view s) {
    code("m\"");
    code(s);
    code("\"");
}

void ImageWriter::negate() { code("m00xm-"); }
void ImageWriter::groupOpen() { code("m("); }
void ImageWriter::groupClose() { code("m)"); }

void ImageWriter::arithmetic(char op) {
    code("m");
    text += op;
}

void ImageWriter::variableRead(ValueKind kind, int slot) {
    code("v");
    text += typeDigit(kind);
    field(slot);
}

void ImageWriter::assignment(ValueKind kind, int slot) {
    code("v");
    text += char('3' + int(kind));
    field(slot);
}

void ImageWriter::elementStart(bool write, ValueKind kind, int firstSlot, int highestIndex) {
    code("a");
    text += char((write ? '0' : '3') + int(kind));
    field(firstSlot);
    codeField("_", highestIndex);
}

// Source indexes count from 1; each group becomes (index - 1) times the number
// of elements its later dimensions span, and the groups are added up.
void ImageWriter::indexGroupEnd(bool lastGroup, long long laterElements) {
    if (!lastGroup && laterElements >= 1) {
        code("m-m01xm*m0");
        number(laterElements);
        code("xm)");
    } else {
        code("m-m01xm)");
    }
    if (!lastGroup) code("m+");
}

void ImageWriter::indexEnd() { code("e"); }
void ImageWriter::builtinCallStart(int code_) { codeField("c", code_); }
void ImageWriter::procedureCallStart(int procedure, ValueKind) { codeField("d0", procedure); }

void ImageWriter::argumentStart(ValueKind kind) {
    code("d");
    text += typeDigit(kind);
}

void ImageWriter::argumentEnd() { code("e"); }
void ImageWriter::callEnd() { code("dx"); }

void ImageWriter::printStart(ValueKind kind) {
    code("t");
    text += char('a' + int(kind) - 1);
}

void ImageWriter::printEnd() { code("e"); }

void ImageWriter::dataItem(ValueKind kind, std::string_view s) {
    code("h");
    text += typeDigit(kind);
    code(s);
    code("e");
}

void ImageWriter::sortArray(ValueKind kind, int firstSlot, int lastSlot) {
    code("a");
    text += char('r' + int(kind));
    field(firstSlot);
    codeField("_", lastSlot);
}

void ImageWriter::loadImage(int slot, std::string_view name) {
    codeField("z0", slot);
    code(name);
    code("\"");
}

void ImageWriter::loadMultiImage(int slot, int count, int width, int height, std::string_view name) {
    codeField("z1", slot);
    codeField("_", count);
    codeField("_", width);
    codeField("_", height);
    code(name);
    code("\"");
}

void ImageWriter::loadSound(int keyword, int slot, std::string_view name) {
    // LoadWav, LoadMp3 and LoadMid are keywords 60, 61 and 62; their codes are z2, z3 and z4.
    code("z");
    text += char('2' + keyword - 60);
    field(slot);
    code(name);
    code("\"");
}

void ImageWriter::loadMap(std::string_view name) {
    codeField("z5", 0);
    code(name);
    code("\"");
}
