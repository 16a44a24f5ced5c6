#include "program_generator.h"

#include "keyword_table.h"

#include <string_view>

namespace {

// Reads choices from the input; past its end every choice is the first one,
// which always leads towards the end of the program.
class Choices {
public:
    explicit Choices(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    unsigned pick(unsigned n) { return at_ < bytes_.size() ? bytes_[at_++] % n : 0; }
    bool empty() const { return at_ >= bytes_.size(); }

private:
    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
};

constexpr int maxDepth = 4;
constexpr int maxLines = 80;

const char* const intVariables[] = {"a", "b", "n"};
const char* const floatVariables[] = {"f#", "g#"};
const char* const stringVariables[] = {"s$", "t$"};
const char* const stringLiterals[] = {"\"\"", "\"x\"", "\"Hello\"", "\"12\"", "\"3.5\"", "\"a,b\""};
const char* const numberLiterals[] = {"0", "1", "2", "3", "7", "-1", "255", "1000", "65536", "2147483647", "-2147483648"};

struct Generator {
    Choices& c;
    std::vector<std::string> lines;

    std::string intExpr(int depth);
    std::string floatExpr(int depth);
    std::string stringExpr(int depth);

    std::string expr(char kind, int depth) {
        if (kind == '2') return floatExpr(depth);
        if (kind == '3') return stringExpr(depth);
        return intExpr(depth);
    }

    // A built-in of the wanted result kind, called with arguments of its signature.
    std::string builtinCall(char result, int depth) {
        for (int tries = 0; tries < 8; ++tries) {
            const int code = firstBuiltinCode + int(c.pick(keywordCount - firstBuiltinCode));
            const Keyword& k = keywordTable[size_t(code)];
            if (k.name.empty() || k.signature[1] != result) continue;
            std::string call(k.name);
            if (result == '2') call += '#';
            if (result == '3') call += '$';
            std::string arguments;
            for (char p : k.signature.substr(2)) {
                if (p == '0') break;
                if (p == '+') continue;
                if (!arguments.empty()) arguments += ", ";
                arguments += expr(p, depth + 1);
            }
            if (result == '0') return arguments.empty() ? call : call + " " + arguments;
            return arguments.empty() ? call : call + "(" + arguments + ")";
        }
        return result == '0' ? "Cls" : result == '3' ? "\"\"" : "0";
    }

    std::string statement(int depth);
    void block(int depth, int count) {
        for (int i = 0; i < count && !c.empty() && int(lines.size()) < maxLines; ++i) lines.push_back(statement(depth));
    }
    void compound(int depth);
};

std::string Generator::intExpr(int depth) {
    const unsigned choice = depth >= maxDepth ? c.pick(2) : c.pick(11);
    switch (choice) {
        case 0: return numberLiterals[c.pick(std::size(numberLiterals))];
        case 1: return intVariables[c.pick(std::size(intVariables))];
        case 2: {
            static const char* const ops[] = {" + ", " - ", " * ", " / ", " Mod "};
            return intExpr(depth + 1) + ops[c.pick(std::size(ops))] + intExpr(depth + 1);
        }
        case 3: return "(" + intExpr(depth + 1) + ")";
        case 4: return "-" + intExpr(depth + 1);
        case 5: return "arr(" + intExpr(depth + 1) + ")(" + intExpr(depth + 1) + ")";
        case 6: return "Fib[" + intExpr(depth + 1) + "]";
        case 7: return "Deep[" + intExpr(depth + 1) + "]";
        case 8: return "Len(" + stringExpr(depth + 1) + ")";
        case 9: return "Calc(" + floatExpr(depth + 1) + ")";
        default: return builtinCall('1', depth);
    }
}

std::string Generator::floatExpr(int depth) {
    const unsigned choice = depth >= maxDepth ? c.pick(2) : c.pick(6);
    switch (choice) {
        case 0: {
            static const char* const literals[] = {"0.5", "1.0", "-2.25", "3.14159", "100000.0", "0.0001"};
            return literals[c.pick(std::size(literals))];
        }
        case 1: return floatVariables[c.pick(std::size(floatVariables))];
        case 2: {
            static const char* const ops[] = {" + ", " - ", " * ", " / "};
            return floatExpr(depth + 1) + ops[c.pick(std::size(ops))] + floatExpr(depth + 1);
        }
        case 3: return "(" + floatExpr(depth + 1) + ")";
        case 4: return "fl#(" + intExpr(depth + 1) + ")";
        default: return builtinCall('2', depth);
    }
}

std::string Generator::stringExpr(int depth) {
    const unsigned choice = depth >= maxDepth ? c.pick(2) : c.pick(6);
    switch (choice) {
        case 0: return stringLiterals[c.pick(std::size(stringLiterals))];
        case 1: return stringVariables[c.pick(std::size(stringVariables))];
        case 2: return stringExpr(depth + 1) + " + " + stringExpr(depth + 1);
        case 3: return "names$(" + intExpr(depth + 1) + ")";
        case 4: return "Echo$[" + stringExpr(depth + 1) + "]";
        default: return builtinCall('3', depth);
    }
}

std::string Generator::statement(int depth) {
    const unsigned choice = c.pick(16);
    switch (choice) {
        case 0: case 1: return std::string(intVariables[c.pick(std::size(intVariables))]) + " = " + intExpr(0);
        case 2: return std::string(floatVariables[c.pick(std::size(floatVariables))]) + " = " + floatExpr(0);
        case 3: return std::string(stringVariables[c.pick(std::size(stringVariables))]) + " = " + stringExpr(0);
        case 4: return "arr(" + intExpr(1) + ")(" + intExpr(1) + ") = " + intExpr(0);
        case 5: return "names$(" + intExpr(1) + ") = " + stringExpr(0);
        case 6: return "Print " + expr(char('1' + c.pick(3)), 0);
        case 7: {
            static const char* const reads[] = {"Read a", "Read f#", "Read s$", "Restore", "Restore again", "Sort names$",
                                                "Sort fl#"};
            return reads[c.pick(std::size(reads))];
        }
        case 8: return builtinCall('0', 0);
        case 9: return "If " + intExpr(1) + " > " + intExpr(1) + " THEN ExitLoop";
        case 10: return "Goto " + std::string(c.pick(2) ? "again" : "finish");
        default:
            if (depth < maxDepth) {
                compound(depth);
                return "n = n + 1";
            }
            return "Print " + intExpr(0);
    }
}

// A loop or an If around a block; the block's lines come before the closing line.
void Generator::compound(int depth) {
    const int length = 1 + int(c.pick(4));
    switch (c.pick(5)) {
        case 0:
            lines.push_back("For i" + std::to_string(depth) + " = " + intExpr(2) + " TO " + intExpr(2) +
                            (c.pick(2) ? " STEP " + intExpr(2) : ""));
            block(depth + 1, length);
            lines.push_back("Next");
            return;
        case 1:
            lines.push_back("While " + intExpr(2) + " < " + intExpr(2));
            block(depth + 1, length);
            lines.push_back("Wend");
            return;
        case 2:
            lines.push_back("Repeat");
            block(depth + 1, length);
            lines.push_back("Until " + intExpr(2) + " >= " + intExpr(2));
            return;
        case 3:
            lines.push_back("Do");
            block(depth + 1, length);
            lines.push_back("If n > 50 THEN ExitLoop");
            lines.push_back("Loop");
            return;
        default:
            lines.push_back("If " + stringExpr(2) + " = " + stringExpr(2) + " OR " + intExpr(2) + " <> 0");
            block(depth + 1, length);
            if (c.pick(2)) {
                lines.push_back("Else");
                block(depth + 1, length);
            }
            lines.push_back("EndIf");
            return;
    }
}

}  // namespace

std::vector<std::string> generateProgram(std::span<const uint8_t> bytes) {
    Choices choices(bytes);
    Generator g{choices, {}};
    const std::string dims[] = {std::to_string(1 + choices.pick(9)), std::to_string(1 + choices.pick(9))};
    g.lines = {
        "Global n",
        "Dim arr(" + dims[0] + ")(" + dims[1] + ")",
        "Dim names$(" + std::to_string(1 + choices.pick(6)) + ")",
        "Dim fl#(" + std::to_string(1 + choices.pick(6)) + ")",
        "Procedure Fib[k]",
        "  If k < 2 THEN ExitProc k",
        "EndProc Fib[k - 1] + Fib[k - 2]",
        "Procedure Deep[k]",
        "  n = n + 1",
        "  If k <= 0 THEN ExitProc n",
        "EndProc Deep[k - 1]",
        "Procedure Echo$[w$]",
        "EndProc w$ + w$",
        "Data 1, 2.5, \"three\", -4",
        "again:",
        "Data 7, 8.25, \"nine\"",
    };
    g.block(0, maxLines);
    g.lines.push_back("finish:");
    return g.lines;
}
