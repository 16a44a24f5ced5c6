// The compiled fast steps against the evaluator alone: every run must show
// the same looks at the window (step, line, position), the same end, the same
// error and the same variables, whatever the program and wherever a step
// limit or a checkpoint falls.
#include "compile_program.h"
#include "image_writer.h"
#include "program_generator.h"
#include "run_image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string imageOf(const std::vector<std::string>& lines) {
    ImageWriter writer;
    const CompileOutcome outcome = compileProgram(writer, lines, std::filesystem::temp_directory_path());
    EXPECT_EQ(outcome.fault.code, 0) << lines.front();
    return writer.text;
}

void expectSameRuns(const std::string& image, uint64_t stepLimit = fuzzStepLimit) {
    const RunRecord fast = recordImageRun(image, true, stepLimit);
    const RunRecord reference = recordImageRun(image, false, stepLimit);
    ASSERT_TRUE(reference.loaded);
    EXPECT_EQ(fast.looks.size(), reference.looks.size());
    EXPECT_EQ(fast.steps, reference.steps);
    EXPECT_EQ(fast.line, reference.line);
    EXPECT_EQ(fast.errorLine, reference.errorLine);
    EXPECT_EQ(fast.ints, reference.ints);
    EXPECT_EQ(fast.floatBits, reference.floatBits);
    EXPECT_TRUE(fast == reference) << "limit " << stepLimit;
}

const std::vector<std::string> countingLoop = {
    "s = 0",
    "For i = 1 To 300",
    "s = s + i",
    "Next",
};

TEST(FastSteps, EveryStepLimitEndsOnTheSameStatementAndLine) {
    const std::string image = imageOf(countingLoop);
    for (uint64_t limit = 1; limit <= 200; ++limit) expectSameRuns(image, limit);
    expectSameRuns(image, 0);
}

TEST(FastSteps, IntegerAndFloatArithmeticAgree) {
    expectSameRuns(imageOf({
        "a = 7", "b = -3", "f# = 2.5", "g# = -0.75",
        "c = (a * b) + (a / b) - (a Mod b)",
        "d = a * 2147483647 + 5",
        "h# = (f# * a) / (g# - 1.25) + b",
        "e = f# * 3 + g#",
        "k = -2147483648 / -1",
        "m = (((a + 1) * (b - 1)) + ((a * a) - (b * b)))",
        "n# = a / 2 + f# Mod 2",
        "p = 0 - -5",
    }));
}

TEST(FastSteps, ComparisonsAndBranchesAgree) {
    expectSameRuns(imageOf({
        "res = 0", "f# = 0.5",
        "For i = 1 To 60",
        "If (i Mod 3) = 0 Then res = res + 1",
        "If i * f# > 10.0 Then res = res + 100",
        "If i <> 7",
        "res = res + 2",
        "Else",
        "res = res - 50",
        "EndIf",
        "n = i",
        "While n > 1",
        "If (n Mod 2) = 0",
        "n = n / 2",
        "Else",
        "n = (n * 3) + 1",
        "EndIf",
        "res = res + 1",
        "Wend",
        "Next",
    }));
}

TEST(FastSteps, ArraysAgreeAndAnIndexOutOfRangeIsTheEvaluatorsError) {
    expectSameRuns(imageOf({
        "Dim f(40)", "Dim g#(10)", "res = 0",
        "For i = 1 To 40", "f(i) = i * i", "Next",
        "For i = 1 To 10", "g#(i) = f(i) / 3.0", "Next",
        "For i = 2 To 40", "If f(i) - f(i - 1) > 20 Then res = res + f(i)", "Next",
        "res = res + g#(3)",
        "j = 41",
        "f(j) = 1",
        "res = 99",
    }));
    expectSameRuns(imageOf({"Dim f(5)", "j = 6", "res = f(j) + 1", "res = 2"}));
}

TEST(FastSteps, DivideByZeroInsideACompiledStatementIsReportedOnItsLine) {
    expectSameRuns(imageOf({"a = 5", "b = 0", "c = a + 1", "c = a / b", "c = 3"}));
    expectSameRuns(imageOf({"a = 5", "b = 0", "c = (a * 2) Mod b"}));
    expectSameRuns(imageOf({"f# = 5.0", "g# = 0.25", "c = 1", "h# = f# Mod g#", "c = 2"}));
}

TEST(FastSteps, ProceduresWithLocalsAndRecursionAgree) {
    expectSameRuns(imageOf({
        "Procedure Fib[n]",
        "If n < 2 Then ExitProc n",
        "EndProc Fib[n - 1] + Fib[n - 2]",
        "Procedure Sum[a, b#]",
        "t = 0",
        "For k = 1 To a",
        "t = t + k * b#",
        "Next",
        "EndProc t",
        "res = Fib[12] + Sum[20, 1.5]",
    }));
    expectSameRuns(imageOf({
        "Procedure Word$[n]",
        "Dim w$(3)",
        "w$(1) = \"one\"",
        "If n = 1 Then ExitProc w$(1)",
        "EndProc Str$(n) + \"!\"",
        "Procedure Half#[x#]",
        "EndProc x# / 2.0",
        "For i = 1 To 30",
        "t$ = Word$[i Mod 3] + t$",
        "h# = h# + Half#[i]",
        "Next",
    }));
}

TEST(FastSteps, TextsAgreeUpToTheLengthOfARegister) {
    expectSameRuns(imageOf({
        "Procedure Twice$[w$]",
        "v$ = w$",
        "If v$ = \"\" Then ExitProc \"none\"",
        "EndProc v$ + v$",
        "s$ = \"abc\"", "t$ = s$", "n = 0",
        "If t$ = \"abc\" Then n = 1",
        "If t$ <> s$ Then n = n + 10",
        "u$ = Mid$(s$, 2, 1)",
        "If u$ = \"b\" Then n = n + 1000",
        "For i = 1 To 12", "s$ = s$ + s$", "Next",
        "t$ = s$", "k = Len(t$) + Len(Twice$[u$]) + Len(Twice$[\"\"])",
        "If t$ = s$ Then n = n + 5",
        "e$ = \"\"", "If e$ = \"\" Then n = n + 7",
    }));
}

TEST(FastSteps, CallsOfBuiltinsThatOnlyComputeAgree) {
    expectSameRuns(imageOf({
        "Procedure Scaled[k]",
        "m = Abs(k) * 3",
        "EndProc m + Max(k, 2)",
        "a = -7", "f# = 2.25", "s$ = \"Hello, world\"", "res = 0",
        "For i = 1 To 40",
        "res = res + Abs(a) + Max(i, 20) - Min(i, a) + Sgn(a - i)",
        "g# = Sqrt#(f# * i) + Sin#(f#) * Cos#(0.5)",
        "res = res + Len(Mid$(s$, i, 3)) + Asc(Left$(s$, 1)) + Instr(1, s$, \"o\")",
        "t$ = Str$(i) + \",\" + Right$(s$, 3) + ToUpper$(\"ab\") + Chr$(65 + i)",
        "If Mid$(s$, 1, 5) = \"Hello\" Then res = res + 1",
        "If Left$(t$, 1) <> \"1\" Then res = res + Val(Str$(i))",
        "res = res + Scaled[i - 20] + Rnd(10) * 0",
        "Next",
        "z = 0",
        "res = res / Abs(z)",
        "res = 1",
    }));
}

TEST(FastSteps, GeneratedProgramsAgree) {
    // The fuzzer's program generator, on a fixed series of inputs.
    uint32_t seed = 12345;
    int compiled = 0;
    for (int program = 0; program < 600; ++program) {
        std::vector<uint8_t> choices(64 + program % 192);
        for (uint8_t& c : choices) {
            seed = seed * 1103515245u + 12345u;
            c = static_cast<uint8_t>(seed >> 16);
        }
        ImageWriter writer;
        const CompileOutcome outcome =
            compileProgram(writer, generateProgram(choices), std::filesystem::temp_directory_path());
        if (outcome.fault.code != 0) continue;
        ++compiled;
        SCOPED_TRACE(program);
        expectSameRuns(writer.text);
    }
    EXPECT_GT(compiled, 150);
}

}  // namespace
