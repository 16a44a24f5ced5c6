// Every compile error a rule raises, checked as the whole line of the error file.
#include "compile_helpers.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(CompileErrors, SuccessfulTestBuildCountsTheLines) {
    EXPECT_EQ(errorLineOf({"x = 1", "y = 2", "Print x"}), "3.0No errors|Total Lines 3");
}

TEST(CompileErrors, LexicalFaults) {
    EXPECT_EQ(errorLineOf({"x = 1", "Prnt 5"}), "2.1Syntax error|Line 2:  Prnt 5");
    EXPECT_EQ(errorLineOf({"  5 = x"}), "1.1Syntax error|Line 1:  5 = x");
    EXPECT_EQ(errorLineOf({"While a = 1 AND b = 2"}),
              "1.2Syntax Error at end of instruction|Line 1:  While a = 1 AND b = 2");
    EXPECT_EQ(errorLineOf({"x = $fg"}), "1.26Invalid Hex Number|Line 1:  x = $fg");
    EXPECT_EQ(errorLineOf({"x = $"}), "1.1Syntax error|Line 1:  x = $");
    EXPECT_EQ(errorLineOf({"x# = 1."}), "1.1Syntax error|Line 1:  x# = 1.");
    EXPECT_EQ(errorLineOf({"a$ = \"abc"}), "1.27Missing \"|Line 1:  a$ = \"abc");
}

TEST(CompileErrors, StatementOf251CharactersIsTooLong) {
    std::string fits = "x = 1" + std::string(245, ' ');
    std::string tooLong = fits + " ";
    EXPECT_EQ(errorLineOf({fits}), "1.0No errors|Total Lines 1");
    EXPECT_EQ(errorLineOf({tooLong}), "1.7Line too long|Line 1:  " + tooLong);
}

TEST(CompileErrors, TextStartsAtTheColonBeforeTheFailingStatement) {
    EXPECT_EQ(errorLineOf({"x = 1 : y = 2 : 5"}), "1.1Syntax error|Line 1:  : y = 2 : 5");
    EXPECT_EQ(errorLineOf({"x = 1 : 5"}), "1.1Syntax error|Line 1:  x = 1 : 5");
}

TEST(CompileErrors, Definitions) {
    EXPECT_EQ(errorLineOf({"Define 1x = 2"}), "1.12Def label Expected|Line 1:  Define 1x = 2");
    EXPECT_EQ(errorLineOf({"Define LIMIT = 10", "Define LIMIT = 20"}),
              "2.12Def label Expected|Line 2:  Define LIMIT = 20");
    // Max is a built-in with an integer result, so the name is taken.
    EXPECT_EQ(errorLineOf({"Define MAX = 10"}), "1.15Invalid use of a keyword|Line 1:  Define MAX = 10");
    EXPECT_EQ(errorLineOf({"Define X+ = 1"}), "1.13Invalid Defination|Line 1:  Define X+ = 1");
    std::string longName = "Define " + std::string(62, 'n') + " = 1";
    EXPECT_EQ(errorLineOf({longName}), "1.14Def Label Too Long|Line 1:  " + longName);
    EXPECT_EQ(errorLineOf({"Define Print = 1"}), "1.15Invalid use of a keyword|Line 1:  Define Print = 1");
    EXPECT_EQ(errorLineOf({"DefFn F = 1"}), "1.16Deffn parameter expected|Line 1:  DefFn F = 1");
    EXPECT_EQ(errorLineOf({"DefFn F(1) = 1"}),
              "1.17Invalid Deffn parameter, use A-Z|Line 1:  DefFn F(1) = 1");
    EXPECT_EQ(errorLineOf({"DefFn F(a,b,c,d,e,f,g,h,i,j) = 1"}),
              "1.18Too many parameters|Line 1:  DefFn F(a,b,c,d,e,f,g,h,i,j) = 1");
    EXPECT_EQ(errorLineOf({"Define X"}), "1.13Invalid Defination|Line 1:  Define X");
    EXPECT_EQ(errorLineOf({"Define X 5"}), "1.19Defination expected|Line 1:  Define X 5");
    EXPECT_EQ(errorLineOf({"Define X ="}), "1.19Defination expected|Line 1:  Define X =");
    EXPECT_EQ(errorLineOf({"DefFn F(a b) = 1"}), "1.20comma or bracket expected|Line 1:  DefFn F(a b) = 1");
    EXPECT_EQ(errorLineOf({"DefFn F(A, a) = A"}), "1.22Duplicate parameter used|Line 1:  DefFn F(A, a) = A");
    std::string longText = "Define X =" + std::string(252, '1');
    EXPECT_EQ(errorLineOf({longText}), "1.7Line too long|Line 1:  " + longText);
}

TEST(CompileErrors, DefinitionUses) {
    EXPECT_EQ(errorLineOf({"x = Rgb"}), "1.16Deffn parameter expected|Line 1:  x = Rgb");
    EXPECT_EQ(errorLineOf({"x = Rgb(1, 2"}), "1.20comma or bracket expected|Line 1:  x = Rgb(1, 2");
    EXPECT_EQ(errorLineOf({"x = Rgb(1, 2)"}), "1.21Parameter count mismatch|Line 1:  x = Rgb(1, 2)");
    EXPECT_EQ(errorLineOf({"x = Rgb(1,2,3,4,5,6,7,8,9,10)"}),
              "1.18Too many parameters|Line 1:  x = Rgb(1,2,3,4,5,6,7,8,9,10)");
    EXPECT_EQ(errorLineOf({"x = 'A"}), "1.25Missing '|Line 1:  x = 'A");
}

TEST(CompileErrors, TypeMismatchHasAShortAndACallForm) {
    EXPECT_EQ(errorLineOf({"x = \"a\""}), "1.24Type mismatch|Line 1 : x = \"a\"");
    EXPECT_EQ(errorLineOf({"Ink \"red\""}), "1.24Type mismatch|Line 1, \"Ink\" Param 1 : Ink \"red\"");
    EXPECT_EQ(errorLineOf({"s$ = left$(\"abc\", \"x\")"}),
              "1.24Type mismatch|Line 1, \"Left$\" Param 2 : s$ = left$(\"abc\", \"x\")");
    EXPECT_EQ(errorLineOf({"a$ = -b$"}), "1.24Type mismatch|Line 1 : a$ = -b$");
    EXPECT_EQ(errorLineOf({"P[1]", "Procedure P[a$]", "EndProc"}),
              "2.24Type mismatch|Line 2 : Procedure P[a$]");
}

TEST(CompileErrors, Expressions) {
    EXPECT_EQ(errorLineOf({"x = (1 + 2"}), "1.28Missing ) Bracket|Line 1:  x = (1 + 2");
    EXPECT_EQ(errorLineOf({"x = 1 + 2)"}), "1.1Syntax error|Line 1:  x = 1 + 2)");
    EXPECT_EQ(errorLineOf({"x = Str(5)"}), "1.37Array not defined|Line 1:  x = Str(5)");
    EXPECT_EQ(errorLineOf({"x = Cls"}), "1.38Command does not return a value|Line 1:  x = Cls");
    EXPECT_EQ(errorLineOf({"x = Abs 5"}), "1.39Missing ( PARAM|Line 1:  x = Abs 5");
    EXPECT_EQ(errorLineOf({"Ink"}), "1.40Missing parameter(s)|Line 1:  Ink");
    EXPECT_EQ(errorLineOf({"x = Max(1)"}), "1.40Missing parameter(s)|Line 1:  x = Max(1)");
    EXPECT_EQ(errorLineOf({"x = Abs(1, 2)"}), "1.41Too many parameters|Line 1:  x = Abs(1, 2)");
    EXPECT_EQ(errorLineOf({"x = Timer(,)"}), "1.18Too many parameters|Line 1:  x = Timer(,)");
    EXPECT_EQ(errorLineOf({"a$ = \"x\" - b$"}), "1.49Can only add strings|Line 1:  a$ = \"x\" - b$");
    EXPECT_EQ(errorLineOf({"x = Print"}), "1.15Invalid use of a keyword|Line 1:  x = Print");
}

TEST(CompileErrors, Arrays) {
    EXPECT_EQ(errorLineOf({"Dim 5"}), "1.29Variable label expected|Line 1:  Dim 5");
    EXPECT_EQ(errorLineOf({"Global 1"}), "1.29Variable label expected|Line 1:  Global 1");
    EXPECT_EQ(errorLineOf({"x = 1", "Dim x(3)"}), "2.30Variable already in use|Line 2:  Dim x(3)");
    EXPECT_EQ(errorLineOf({"x = 1", "Global x"}), "2.30Variable already in use|Line 2:  Global x");
    EXPECT_EQ(errorLineOf({"Dim a"}), "1.31Dim Dimension Expected|Line 1:  Dim a");
    EXPECT_EQ(errorLineOf({"Dim a(3)", "a = 1"}), "2.31Dim Dimension Expected|Line 2:  a = 1");
    EXPECT_EQ(errorLineOf({"Dim a(1)(1)(1)(1)(1)(1)"}), "1.32Too Many Dimensions|Line 1:  Dim a(1)(1)(1)(1)(1)(1)");
    EXPECT_EQ(errorLineOf({"Dim a(1)(1)(1)(1)(1)", "a(1)(1)(1)(1)(1) = 1"}),
              "2.32Too Many Dimensions|Line 2:  a(1)(1)(1)(1)(1) = 1");
    EXPECT_EQ(errorLineOf({"Dim a("}), "1.33Dim value expected|Line 1:  Dim a(");
    EXPECT_EQ(errorLineOf({"Dim a(x)"}), "1.34Dim Requires Real Number|Line 1:  Dim a(x)");
    EXPECT_EQ(errorLineOf({"Dim a(3"}), "1.34Dim Requires Real Number|Line 1:  Dim a(3");
    EXPECT_EQ(errorLineOf({"Dim a(2)(0)"}), "1.34Dim Requires Real Number|Line 1:  Dim a(2)(0)");
    EXPECT_EQ(errorLineOf({"Dim a(3)", "Dim a(4)"}), "2.35Dim Already defined|Line 2:  Dim a(4)");
    EXPECT_EQ(errorLineOf({"Dim Cls(3)"}), "1.15Invalid use of a keyword|Line 1:  Dim Cls(3)");
    EXPECT_EQ(errorLineOf({"Dim a(3)(4)", "a(3) = 1"}), "2.36Dimension count mismatch|Line 2:  a(3) = 1");
    EXPECT_EQ(errorLineOf({"Dim a(3)", "x = a(1)(1)"}), "2.36Dimension count mismatch|Line 2:  x = a(1)(1)");
    EXPECT_EQ(errorLineOf({"Sort"}), "1.79Array expected|Line 1:  Sort");
    EXPECT_EQ(errorLineOf({"Sort b"}), "1.37Array not defined|Line 1:  Sort b");
}

TEST(CompileErrors, VariableLimits) {
    std::string name27(27, 'v');
    EXPECT_EQ(errorLineOf({name27 + " = 1"}), "1.0No errors|Total Lines 1");
    EXPECT_EQ(errorLineOf({name27 + "w = 1"}), "1.63Label is too long|Line 1:  " + name27 + "w = 1");
    EXPECT_EQ(errorLineOf({"Dim a(5000)", "x# = 1", "y$ = \"\""}), "3.0No errors|Total Lines 3");
    EXPECT_EQ(errorLineOf({"Dim a(5000)", "x = 1"}), "2.48Too many variables|Line 2:  x = 1");
    EXPECT_EQ(errorLineOf({"Dim a(50)(100)"}), "1.0No errors|Total Lines 1");
    EXPECT_EQ(errorLineOf({"Dim a(50)(101)"}), "1.48Too many variables|Line 1:  Dim a(50)(101)");
    EXPECT_EQ(errorLineOf({"Procedure P", "Dim a(4999)", "x = 1", "EndProc"}),
              "3.23Out of variable memory|Line 3:  x = 1");
    EXPECT_EQ(errorLineOf({"Procedure P", "Dim a(5001)", "EndProc"}), "2.48Too many variables|Line 2:  Dim a(5001)");
}

TEST(CompileErrors, Labels) {
    EXPECT_EQ(errorLineOf({"a:", "a:"}), "2.3Duplicate location label|Line 2:  a:");
    EXPECT_EQ(errorLineOf({"Goto"}), "1.6Location label expected|Line 1:  Goto");
    EXPECT_EQ(errorLineOf({"  Goto nowhere", "x = 1"}), "1.8Location not defined|Line 1:  Goto nowhere");
    EXPECT_EQ(errorLineOf({"Restore nowhere"}), "1.8Location not defined|Line 1:  Restore nowhere");
    EXPECT_EQ(errorLineOf({"Goto Print"}), "1.15Invalid use of a keyword|Line 1:  Goto Print");
    EXPECT_EQ(errorLineOf({"Cls:"}), "1.0No errors|Total Lines 1");
    // A Goto cannot leave its procedure.
    EXPECT_EQ(errorLineOf({"here:", "Procedure P", "Goto here", "EndProc"}),
              "3.8Location not defined|Line 3:  Goto here");
}

TEST(CompileErrors, TheLabelAfterNumber9999IsTooMany) {
    Lines lines;
    for (int i = 1; i <= 10000; ++i) lines.push_back("l" + std::to_string(i) + ":");
    EXPECT_EQ(errorLineOf(lines), "10000.5Too many goto labels|Line 10000:  l10000:");
    lines.pop_back();
    EXPECT_EQ(errorLineOf(lines), "9999.0No errors|Total Lines 9999");
}

TEST(CompileErrors, TheConditionAfterNumber9998IsTooMany) {
    Lines lines(9999, "If a = 1 THEN b = 1");
    EXPECT_EQ(errorLineOf(lines), "9999.0No errors|Total Lines 9999");
    lines.push_back("If a = 1 THEN b = 1");
    EXPECT_EQ(errorLineOf(lines), "10000.5Too many goto labels|Line 10000:  If a = 1 THEN b = 1");
}

TEST(CompileErrors, Procedures) {
    EXPECT_EQ(errorLineOf({"Procedure P", "Procedure Q"}), "2.42Already in a procedure|Line 2:  Procedure Q");
    EXPECT_EQ(errorLineOf({"Procedure"}), "1.43Procedure label expected|Line 1:  Procedure");
    EXPECT_EQ(errorLineOf({"Procedure Print"}), "1.15Invalid use of a keyword|Line 1:  Procedure Print");
    EXPECT_EQ(errorLineOf({"Procedure P[1]"}), "1.29Variable label expected|Line 1:  Procedure P[1]");
    EXPECT_EQ(errorLineOf({"x = 1", "Procedure P", "EndProc"}), "3.0No errors|Total Lines 3");
    EXPECT_EQ(errorLineOf({"Procedure P"}), "1.44Missing EndProc|Line 1:   ");
    EXPECT_EQ(errorLineOf({"P = 1", "Procedure P"}), "2.45Procedure label already used|Line 2:  Procedure P");
    EXPECT_EQ(errorLineOf({"x = 1", "", "Prnt"}), "3.46Missing Procedure|Called on Line 3:  Prnt");
    EXPECT_EQ(errorLineOf({"x# = Half#[1]"}), "1.46Missing Procedure|Called on Line 1:  Half#");
    EXPECT_EQ(errorLineOf({"Procedure P[a,b,c,d,e,f,g,h,i]"}),
              "1.47Too many parameters|Line 1:  Procedure P[a,b,c,d,e,f,g,h,i]");
    EXPECT_EQ(errorLineOf({"EndProc"}), "1.50Not in a procedure|Line 1:  EndProc");
    EXPECT_EQ(errorLineOf({"ExitProc 1"}), "1.50Not in a procedure|Line 1:  ExitProc 1");
    EXPECT_EQ(errorLineOf({"x = P[1"}), "1.51Missing ]|Line 1:  x = P[1");
    EXPECT_EQ(errorLineOf({"Procedure P[a]", "EndProc", "P"}), "3.52Missing \a Parameter(s)|Line 3:  P");
    EXPECT_EQ(errorLineOf({"Procedure P[a]", "EndProc", "P[]"}), "3.52Missing \a Parameter(s)|Line 3:  P[]");
    EXPECT_EQ(errorLineOf({"P[1, 2]", "Procedure P[a]", "EndProc"}), "2.52Missing \a Parameter(s)|Line 2:  Procedure P[a]");
    EXPECT_EQ(errorLineOf({"P[1, 2]", "Procedure P[a, b, c]", "EndProc"}),
              "2.53Too Many Parameters|Line 2:  Procedure P[a, b, c]");
    EXPECT_EQ(errorLineOf({"Procedure P[a]", "EndProc", "P[1, 2]"}), "3.53Too Many Parameters|Line 3:  P[1, 2]");
    EXPECT_EQ(errorLineOf({"P[1,2,3,4,5,6,7,8,9]"}), "1.53Too Many Parameters|Line 1:  P[1,2,3,4,5,6,7,8,9]");
    EXPECT_EQ(errorLineOf({"Procedure P", "EndProc", "Procedure P"}),
              "3.54Procedure already defined|Line 3:  Procedure P");
    EXPECT_EQ(errorLineOf({"For i = 1 TO 2", "Procedure P"}), "2.58Cannot have Procedure here|Line 2:  Procedure P");
    EXPECT_EQ(errorLineOf({"Procedure P", "If a = 1", "EndProc"}), "3.66Cant have EndProc here|Line 3:  EndProc");
}

TEST(CompileErrors, IfBlocks) {
    EXPECT_EQ(errorLineOf({"If a THEN Print a"}), "1.55Eval symbol expected|Line 1:  If a THEN Print a");
    EXPECT_EQ(errorLineOf({"x = 1", "If a = 1", "x = 2"}), "2.56If without Endif|Line 2:");
    EXPECT_EQ(errorLineOf({"EndIf"}), "1.57Endif without If|Line 1:  EndIf");
    EXPECT_EQ(errorLineOf({"If a = 1 THEN EndIf"}), "1.59Cannot have Endif here|Line 1:  If a = 1 THEN EndIf");
    EXPECT_EQ(errorLineOf({"Else"}), "1.60Else not in if|Line 1:  Else");
    EXPECT_EQ(errorLineOf({"If a = 1 THEN", "Else"}), "2.60Else not in if|Line 2:  Else");
    EXPECT_EQ(errorLineOf({"If a = 1", "Else", "Else"}), "3.61Multiple Else|Line 3:  Else");
    EXPECT_EQ(errorLineOf({"If a$ < b$"}), "1.77Evaluation not possible|Line 1:  If a$ < b$");
    EXPECT_EQ(errorLineOf({"If a$ <> b$", "EndIf"}), "2.0No errors|Total Lines 2");
}

TEST(CompileErrors, Loops) {
    EXPECT_EQ(errorLineOf({"x = 1", "Do"}), "2.62Do without Loop|Line 2:  ");
    EXPECT_EQ(errorLineOf({"Loop"}), "1.64Loop without Do|Line 1:  Loop");
    EXPECT_EQ(errorLineOf({"ExitLoop"}), "1.65Not in a Do-Loop|Line 1:  ExitLoop");
    EXPECT_EQ(errorLineOf({"Repeat"}), "1.67Repeat without Until|Line 1:  ");
    EXPECT_EQ(errorLineOf({"Until a = 1"}), "1.68Not in Repeat loop|Line 1:  Until a = 1");
    EXPECT_EQ(errorLineOf({"ExitRepeat"}), "1.68Not in Repeat loop|Line 1:  ExitRepeat");
    EXPECT_EQ(errorLineOf({"While a = 1"}), "1.69While without Wend|Line 1:  ");
    EXPECT_EQ(errorLineOf({"Wend"}), "1.70Not in a While Loop|Line 1:  Wend");
    EXPECT_EQ(errorLineOf({"ExitWhile"}), "1.70Not in a While Loop|Line 1:  ExitWhile");
    EXPECT_EQ(errorLineOf({"x = 1", "", "For i = 1 TO 3"}), "3.71For without Next|Line 3:  ");
    EXPECT_EQ(errorLineOf({"For a$ = 1 TO 2"}), "1.72Cannot use string here|Line 1:  For a$ = 1 TO 2");
    EXPECT_EQ(errorLineOf({"Next"}), "1.73Not in a For loop|Line 1:  Next");
    EXPECT_EQ(errorLineOf({"ExitFor"}), "1.73Not in a For loop|Line 1:  ExitFor");
    EXPECT_EQ(errorLineOf({"For i = 1"}), "1.1Syntax error|Line 1:  For i = 1");
    // A fault in the lines a For generates is shown with the For statement.
    EXPECT_EQ(errorLineOf({"y = 1 : z = 2 : For i = 1 TO x$"}),
              "1.24Type mismatch|Line 1 : : z = 2 : For i = 1 TO x$");
    EXPECT_EQ(errorLineOf({"y = 1 : z = 2 : Read a, \"b\""}), "1.1Syntax error|Line 1:  : z = 2 : Read a, \"b\"");
    // The innermost open loop of the first kind checked is reported.
    EXPECT_EQ(errorLineOf({"Do", "For i = 1 TO 2", "For j = 1 TO 2", "Next"}), "2.71For without Next|Line 2:  ");
}

TEST(CompileErrors, HeaderStatements) {
    EXPECT_EQ(errorLineOf({"SetResolution 240"}), "1.40Missing parameter(s)|Line 1:  SetResolution 240");
    EXPECT_EQ(errorLineOf({"SetResolution x, 200"}),
              "1.74Parameter must be a real number|Line 1:  SetResolution x, 200");
    EXPECT_EQ(errorLineOf({"SetResolution 240, 320", "SetResolution 240, 320"}),
              "2.75Value already set|Line 2:  SetResolution 240, 320");
    EXPECT_EQ(errorLineOf({"SetResolution 95, 200"}), "1.76Illegal value|Line 1:  SetResolution 95, 200");
    EXPECT_EQ(errorLineOf({"SetOrientation 2"}), "1.76Illegal value|Line 1:  SetOrientation 2");
    EXPECT_EQ(errorLineOf({"Horizontal", "Vertical"}), "2.75Value already set|Line 2:  Vertical");
    EXPECT_EQ(errorLineOf({"Vendor \"\""}), "1.10Missing \"|Line 1:  Vendor \"\"");
    EXPECT_EQ(errorLineOf({"Vendor acme"}), "1.10Missing \"|Line 1:  Vendor acme");
    std::string vendor = "Vendor \"" + std::string(51, 'v') + "\"";
    EXPECT_EQ(errorLineOf({vendor}), "1.7Line too long|Line 1:  " + vendor);
    EXPECT_EQ(errorLineOf({"Version x"}), "1.1Syntax error|Line 1:  Version x");
    EXPECT_EQ(errorLineOf({"Version 1."}), "1.1Syntax error|Line 1:  Version 1.");
    EXPECT_EQ(errorLineOf({"SetIcon \"image.gif\""}), "1.83Images must be PNG format|Line 1:  SetIcon \"image.gif\"");
    EXPECT_EQ(errorLineOf({"SetIcon \"image.png\"", "SetIcon \"image.png\""}),
              "2.75Value already set|Line 2:  SetIcon \"image.png\"");
}

TEST(CompileErrors, ResourceStatements) {
    EXPECT_EQ(errorLineOf({"LoadImage \"\", 1"}), "1.9Filename expected|Line 1:  LoadImage \"\", 1");
    EXPECT_EQ(errorLineOf({"LoadImage image.png"}), "1.9Filename expected|Line 1:  LoadImage image.png");
    EXPECT_EQ(errorLineOf({"LoadImage \"image.png"}), "1.10Missing \"|Line 1:  LoadImage \"image.png");
    std::string longName = "LoadMap \"" + std::string(251, 'm') + "\"";
    EXPECT_EQ(errorLineOf({longName}), "1.7Line too long|Line 1:  " + longName);
    EXPECT_EQ(errorLineOf({"LoadImage \"missing.png\", 1"}), "1.11Cannot open file|Line 1:  LoadImage \"missing.png\", 1");
    EXPECT_EQ(errorLineOf({"LoadImage \"image.png\","}), "1.80Real number expected|Line 1:  LoadImage \"image.png\",");
    EXPECT_EQ(errorLineOf({"LoadImage \"image.png\" 1"}), "1.81Comma expected|Line 1:  LoadImage \"image.png\" 1");
    EXPECT_EQ(errorLineOf({"LoadImage \"image.png\", 0"}),
              "1.82Out of range (1 - 9999)|Line 1:  LoadImage \"image.png\", 0");
    EXPECT_EQ(errorLineOf({"LoadMultiImage \"image.png\", 9990, 10, 8, 8"}),
              "1.82Out of range (1 - 9999)|Line 1:  LoadMultiImage \"image.png\", 9990, 10, 8, 8");
    EXPECT_EQ(errorLineOf({"LoadImage \"image.gif\", 1"}),
              "1.83Images must be PNG format|Line 1:  LoadImage \"image.gif\", 1");
    EXPECT_EQ(errorLineOf({"LoadWav \"sound.wav\", 65"}), "1.84Out Of Range|Line 1:  LoadWav \"sound.wav\", 65");
    EXPECT_EQ(errorLineOf({"LoadMid \"music.mid\", 8"}), "1.0No errors|Total Lines 1");
    EXPECT_EQ(errorLineOf({"LoadMp3 \"music.mp3\", 9"}), "1.84Out Of Range|Line 1:  LoadMp3 \"music.mp3\", 9");
    EXPECT_EQ(errorLineOf({"LoadWav \"music.mp3\", 1"}),
              "1.85Incompatiable Audio Format|Line 1:  LoadWav \"music.mp3\", 1");
    EXPECT_EQ(errorLineOf({"Include \"missing.orb\""}), "1.11Cannot open file|Line 1:  Include \"missing.orb\"");
}

TEST(CompileErrors, DataItems) {
    EXPECT_EQ(errorLineOf({"Data x"}), "1.78Data can only be value|Line 1:  Data x");
    EXPECT_EQ(errorLineOf({"Data x$"}), "1.78Data can only be value|Line 1:  Data x$");
    EXPECT_EQ(errorLineOf({"Data 1,"}), "1.1Syntax error|Line 1:  Data 1,");
}

TEST(CompileErrors, FaultsInsideAnIncludeFileNameIt) {
    EXPECT_EQ(errorLineOf({"x = 1", "x = 2", "x = 3", "Include \"broken.inc\""}),
              "2.1Syntax error|Line 2:  5 = y|Using include file: broken.inc");
}

}  // namespace
