// No input crashes the compiler: every line ends in an image or a compile error.
#include "compile_helpers.h"
#include "compile_messages.h"

#include <gtest/gtest.h>

#include <random>

namespace {

void expectCompiles(const std::vector<std::string>& lines) {
    ImageWriter writer;
    CompileOutcome outcome = compileProgram(writer, lines, goldenFolder);
    ASSERT_GE(outcome.fault.code, 0);
    ASSERT_LT(outcome.fault.code, compileErrorCount);
    if (outcome.fault.code == 0) {
        ASSERT_EQ(writer.text.substr(writer.text.size() - 6), "wx0011");
    }
}

TEST(Robustness, RandomFragmentsEndInAnImageOrAnError) {
    static const char* fragments[] = {
        "Print", "If", "Then", "Else", "EndIf", "For", "TO", "Step", "Next", "Do", "Loop", "While", "Wend",
        "Repeat", "Until", "Procedure", "EndProc", "ExitProc", "Dim", "Global", "Data", "Read", "Restore",
        "Goto", "Define", "DefFn", "Include", "LoadImage", "Sort", "End", "Rem", "Rgb", "Abs", "Str$", "Left$",
        "Line", "Ink", "Timer", "x", "y#", "s$", "a", "P", "Q$", "lab", "=", "<", ">", "<>", "+", "-", "*", "/",
        "%", "(", ")", "[", "]", ",", ":", ";", "\"", "'", "$", "$f", "1", "2.5", "0", "99999999999", " ", "  ",
        "AND", "OR", "\"text\"", "'A'", "#", "\t", ".", "_", "Mod", "On", "SetResolution", "Vendor", "Version",
    };
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(fragments) - 1);
    std::uniform_int_distribution<int> length(0, 14);
    for (int program = 0; program < 3000; ++program) {
        std::vector<std::string> lines;
        int count = 1 + program % 6;
        for (int l = 0; l < count; ++l) {
            std::string line;
            for (int n = length(random); n > 0; --n) {
                line += fragments[pick(random)];
                if (random() % 2) line += ' ';
            }
            lines.push_back(line);
        }
        expectCompiles(lines);
    }
}

TEST(Robustness, StatementsOfAnyLength) {
    expectCompiles({std::string(100000, 'x')});
    expectCompiles({"x = " + std::string(100000, '1')});
    expectCompiles({std::string(100000, ':') + "Print 1"});
    expectCompiles({"Print \"" + std::string(100000, 'a')});
    expectCompiles({"Print " + std::string(100000, '(')});
    expectCompiles({std::string(100000, '\'')});
    expectCompiles({"DefFn F(a) = a a a a a a a a a a a a a a a a a a a a a a a a a a a a a a a a a a a a",
                    "x = F(" + std::string(250, '1') + ")"});
    expectCompiles({std::string(300, 'a') + ":"});
    expectCompiles({"Goto " + std::string(300, 'a')});
}

TEST(Robustness, ConstantExpressionsDivideByZeroWithoutStopping) {
    EXPECT_EQ(errorLineOf({"SetResolution 240 / 0, 320 % 0"}), "1.76Illegal value|Line 1:  SetResolution 240 / 0, 320 % 0");
    EXPECT_EQ(errorLineOf({"SetResolution 2147483647 + 1, 320"}),
              "1.76Illegal value|Line 1:  SetResolution 2147483647 + 1, 320");
}

TEST(Robustness, AFileThatIncludesItselfStops) {
    EXPECT_EQ(errorLineOf({"Include \"self.inc\""}),
              "1.11Cannot open file|Line 1:  Include \"self.inc\"|Using include file: self.inc");
}

}  // namespace
