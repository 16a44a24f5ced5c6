// Sources the compiler fuzz target once crashed on.
#include "compile_helpers.h"

#include <gtest/gtest.h>

namespace {

// EndProc's value called procedures defined only later; their new records
// moved the procedure table under the one being closed: the sanitizer build
// saw the closing read freed memory.
TEST(CompilerRegression, EndProcValueCallingLaterProceduresCloses) {
    const std::vector<std::string> lines = {
        "Procedure Outer",
        "EndProc Alpha[1] + Beta[2] + Gamma[3]",
        "Procedure Alpha[x]",
        "EndProc x",
        "Procedure Beta[x]",
        "EndProc x",
        "Procedure Gamma[x]",
        "EndProc x",
        "Print Outer",
    };
    EXPECT_EQ(errorLineOf(lines), "9.0No errors|Total Lines 9");
}

}  // namespace
