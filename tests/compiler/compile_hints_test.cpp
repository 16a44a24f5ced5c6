// Keywords as assignment targets, and the hints that follow a message for the
// mistakes of programmers coming from other BASICs. The error line itself is
// checked whole: a hint never reaches the error file.
#include "compile_helpers.h"

#include <gtest/gtest.h>

namespace {

TEST(KeywordTargets, AssigningToAKeywordIsInvalidUseOfAKeyword) {
    EXPECT_EQ(errorLineOf({"step = 0"}), "1.15Invalid use of a keyword|Line 1:  step = 0");
    EXPECT_EQ(errorLineOf({"timer = 1"}), "1.15Invalid use of a keyword|Line 1:  timer = 1");
    EXPECT_EQ(errorLineOf({"zone = 1"}), "1.15Invalid use of a keyword|Line 1:  zone = 1");
    EXPECT_EQ(errorLineOf({"next = 1"}), "1.15Invalid use of a keyword|Line 1:  next = 1");
    EXPECT_EQ(errorLineOf({"data = 1"}), "1.15Invalid use of a keyword|Line 1:  data = 1");
    EXPECT_EQ(errorLineOf({"Print = 5"}), "1.15Invalid use of a keyword|Line 1:  Print = 5");
    EXPECT_EQ(errorLineOf({"x = 1 : Str$ = \"a\""}), "1.15Invalid use of a keyword|Line 1:  x = 1 : Str$ = \"a\"");
}

TEST(KeywordTargets, TheHintNamesTheKeywordAsTheTableSpellsIt) {
    EXPECT_EQ(hintOf({"step = 0"}), "Step is a keyword: give the variable another name");
    EXPECT_EQ(hintOf({"TIMER = 1"}), "Timer is a keyword: give the variable another name");
    EXPECT_EQ(hintOf({"str$ = \"a\""}), "Str$ is a keyword: give the variable another name");
}

TEST(KeywordTargets, NamesFreeForTheirKindStayVariables) {
    // Only Str$ is a keyword of its name; Timer has no float form.
    EXPECT_EQ(errorLineOf({"str = 1", "timer# = 2.5"}), "2.0No errors|Total Lines 2");
}

TEST(CompileHints, RoundBracketsOnAProcedure) {
    const std::vector<std::string> defined = {"Procedure Add[a, b]", "EndProc a + b"};
    auto with = [&](const std::string& line) {
        std::vector<std::string> lines = defined;
        lines.push_back(line);
        return lines;
    };
    EXPECT_EQ(errorLineOf(with("x = Add(1, 2)")), "3.52Missing \x07 Parameter(s)|Line 3:  x = Add(1, 2)");
    EXPECT_EQ(hintOf(with("x = Add(1, 2)")), "Add is a procedure, and procedures take [ ]: write Add[...]");
    EXPECT_EQ(errorLineOf(with("Add(1, 2)")), "3.1Syntax error|Line 3:  Add(1, 2)");
    EXPECT_EQ(hintOf(with("Add(1, 2)")), "Add is a procedure, and procedures take [ ]: write Add[...]");
    // Called before it is defined, the name looks like an array that was never declared.
    EXPECT_EQ(errorLineOf({"x = Add(1, 2)"}), "1.37Array not defined|Line 1:  x = Add(1, 2)");
    EXPECT_EQ(hintOf({"x = Add(1, 2)"}),
              "Add is no array: declare it with Dim Add(10), or call a procedure with Add[...]");
    EXPECT_EQ(hintOf({"x = Add[1, 2]", "Procedure Add[a, b]", "EndProc a + b"}), "");
}

TEST(CompileHints, BothIndexesInOneBracket) {
    EXPECT_EQ(errorLineOf({"Dim a(3)(4)", "a(1, 2) = 5"}), "2.1Syntax error|Line 2:  a(1, 2) = 5");
    EXPECT_EQ(hintOf({"Dim a(3)(4)", "a(1, 2) = 5"}),
              "a has 2 dimensions and each index has brackets of its own: write a(1)(2)");
    EXPECT_EQ(hintOf({"Dim n$(3)(4)(2)", "Print n$(1, 2)"}),
              "n$ has 3 dimensions and each index has brackets of its own: write n$(1)(2)");
    // One dimension: the comma is a plain syntax error.
    EXPECT_EQ(hintOf({"Dim a(3)", "a(1, 2) = 5"}), "");
}

TEST(CompileHints, NextTakesNoName) {
    EXPECT_EQ(errorLineOf({"For i = 1 To 3", "Next i"}), "2.2Syntax Error at end of instruction|Line 2:  Next i");
    EXPECT_EQ(hintOf({"For i = 1 To 3", "Next i"}), "Next takes no name: it closes the innermost For loop");
}

TEST(CompileHints, ElseOnAOneLineIf) {
    const std::string hint =
        "a one-line If has no Else: use the block form, with If ... Then, Else and EndIf on lines of their own";
    EXPECT_EQ(errorLineOf({"If a = 1 Then b = 1 Else b = 2"}),
              "1.1Syntax error|Line 1:  If a = 1 Then b = 1 Else b = 2");
    EXPECT_EQ(hintOf({"If a = 1 Then b = 1 Else b = 2"}), hint);
    EXPECT_EQ(errorLineOf({"If a = 1 Then b = 1 : Else : b = 2"}),
              "1.60Else not in if|Line 1:  : Else : b = 2");
    EXPECT_EQ(hintOf({"If a = 1 Then b = 1 : Else : b = 2"}), hint);
    // The word inside a string is no Else.
    EXPECT_EQ(hintOf({"If a = 1 Then Print \"Else\" 1"}), "");
}

TEST(CompileHints, TooManyVariablesSaysTheLimitAndTheRequest) {
    EXPECT_EQ(errorLineOf({"Dim a(3000)", "Dim b(3000)"}), "2.48Too many variables|Line 2:  Dim b(3000)");
    EXPECT_EQ(hintOf({"Dim a(3000)", "Dim b(3000)"}),
              "the main program has 5000 slots of each kind (integer, float, string); "
              "this program asks for 6000 integer slots");
    EXPECT_EQ(hintOf({"Dim f#(4999)", "x# = 1", "y# = 2"}),
              "the main program has 5000 slots of each kind (integer, float, string); "
              "this program asks for 5001 float slots");
    EXPECT_EQ(errorLineOf({"Procedure P", "Dim s$(6000)", "EndProc"}), "2.48Too many variables|Line 2:  Dim s$(6000)");
    EXPECT_EQ(hintOf({"Procedure P", "Dim s$(6000)", "EndProc"}),
              "a procedure has 5000 slots of each kind (integer, float, string) for its own variables; "
              "this one asks for 6000 string slots");
}

TEST(CompileHints, FunctionWithoutItsSuffix) {
    EXPECT_EQ(errorLineOf({"a$ = Left(\"abc\", 1)"}), "1.24Type mismatch|Line 1 : a$ = Left(\"abc\", 1)");
    EXPECT_EQ(hintOf({"a$ = Left(\"abc\", 1)"}), "Left$ returns a string: write Left$");
    EXPECT_EQ(errorLineOf({"x# = Sin(1)"}), "1.37Array not defined|Line 1:  x# = Sin(1)");
    EXPECT_EQ(hintOf({"x# = Sin(1)"}), "Sin# returns a float: write Sin#");
    EXPECT_EQ(hintOf({"Print Str(5)"}), "Str$ returns a string: write Str$");
}

}  // namespace
