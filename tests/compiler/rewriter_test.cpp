// The line rewriter: defines, DefFn expansion and character literals.
#include "compile_messages.h"
#include "rewriter.h"

#include <gtest/gtest.h>

namespace {

std::string rewritten(const Defines& d, std::string_view line) {
    std::string out;
    EXPECT_EQ(rewriteLine(d, line, out), 0) << line;
    return out;
}

Defines builtins() {
    Defines d;
    registerBuiltinDefines(d);
    EXPECT_EQ(defineFromLine(d, rgbDefinition, false), 0);
    return d;
}

TEST(Rewriter, BuiltinWordsBecomeTheirText) {
    Defines d = builtins();
    EXPECT_EQ(rewritten(d, "If a Then Print 1"), "If a Then :  Print 1");
    EXPECT_EQ(rewritten(d, "x = 7 MOD 2"), "x = 7 % 2");
    EXPECT_EQ(rewritten(d, "x = UpKey + GameD"), "x = -1 + -9");
    EXPECT_EQ(rewritten(d, "Horizontal"), "setorientation 1");
    EXPECT_EQ(rewritten(d, "x = Rgb(255, 0, 0)"), "x = (255*$10000)+( 0*$100)+ 0");
}

TEST(Rewriter, StringsAndCommentsStayAsWritten) {
    Defines d = builtins();
    EXPECT_EQ(rewritten(d, "Print \"Then On\""), "Print \"Then On\"");
    EXPECT_EQ(rewritten(d, "x = 1 ; On Off 'q"), "x = 1 ; On Off 'q");
    // Rem starts a comment: an apostrophe after it is not a character literal.
    EXPECT_EQ(rewritten(d, "x = 1 Rem don't"), "x = 1 ; don't");
}

TEST(Rewriter, CharacterLiteralsBecomeTheirCodes) {
    Defines d = builtins();
    EXPECT_EQ(rewritten(d, "Print 'A'"), "Print 65");
    EXPECT_EQ(rewritten(d, "x = 'AB'"), "x = 6566");
    std::string out;
    EXPECT_EQ(rewriteLine(d, "x = 'A", out), MissingApostrophe);
}

TEST(Rewriter, DefFnArgumentsReplaceLoneParameterLetters) {
    Defines d = builtins();
    ASSERT_EQ(defineFromLine(d, "DefFn SQ(X) = X * X", true), 0);
    EXPECT_EQ(rewritten(d, "y = SQ(a + 1)"), "y =  a + 1 * a + 1");
    ASSERT_EQ(defineFromLine(d, "DefFn F(a, b) = ab + a + xb + f(b)", true), 0);
    EXPECT_EQ(rewritten(d, "y = F(1, (2,3))"), "y =  ab + 1 + xb + f( (2,3))");
}

TEST(Rewriter, DefFnArgumentsAreRewrittenBeforeTheyArePlaced) {
    Defines d = builtins();
    EXPECT_EQ(rewritten(d, "x = Rgb(1, 1, 7 Mod 3)"), "x = (1*$10000)+( 1*$100)+ 7 % 3");
    ASSERT_EQ(defineFromLine(d, "DefFn G(Q) = ((Q) * 2)", true), 0);
    EXPECT_EQ(rewritten(d, "y = G(7 Mod 3)"), "y =  ((7 % 3) * 2)");
    EXPECT_EQ(rewritten(d, "c = Rgb(Rgb(1,2,3) Mod 256, 0, 0)"),
              "c = ((1*$10000)+(2*$100)+3 % 256*$10000)+( 0*$100)+ 0");
    ASSERT_EQ(defineFromLine(d, "Define BASE = 5", true), 0);
    EXPECT_EQ(rewritten(d, "y = G(BASE + UpKey)"), "y =  (( 5 + -1) * 2)");
    EXPECT_EQ(rewritten(d, "y = G(On + Pi + 'A')"), "y =  ((1 + 3.141592 + 65) * 2)");
    // Strings inside an argument stay as written.
    EXPECT_EQ(rewritten(d, "y = G(Len(\"On\"))"), "y =  ((Len(\"On\")) * 2)");
    // A fault inside an argument is the fault of the line.
    std::string out;
    EXPECT_EQ(rewriteLine(d, "y = G(Rgb(1, 2))", out), ParameterCountMismatch);
    EXPECT_EQ(rewriteLine(d, "y = G('A)", out), MissingApostrophe);
}

TEST(Rewriter, DefinesApplyNewestFirstAndCannotBeRedefined) {
    Defines d = builtins();
    ASSERT_EQ(defineFromLine(d, "  Define LIMIT = 10 ; the top", true), 0);
    EXPECT_EQ(rewritten(d, "Dim a(LIMIT)"), "Dim a( 10 )");
    std::string line = rewritten(d, "Define LIMIT = 20");
    EXPECT_EQ(defineFromLine(d, line, true), DefLabelExpected);
}

TEST(Rewriter, DefinitionFaults) {
    Defines d = builtins();
    EXPECT_EQ(defineFromLine(d, "DefFn G(a,b,c,d,e,f,g,h,i) = 1", true), 0);
    EXPECT_EQ(defineFromLine(d, "Define Abs = 1", true), KeywordMisuse);
    EXPECT_EQ(defineFromLine(d, "Define Str = 1", true), 0);  // only Str$ is a keyword of its kind
    EXPECT_EQ(defineFromLine(d, "DefFn H(_) = 1", true), InvalidDeffnParameter);
    EXPECT_EQ(defineFromLine(d, "DefFn H(ab) = 1", true), CommaOrBracketExpected);
}

}  // namespace
