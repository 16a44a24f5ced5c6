// Golden images: each tests/golden/NAME.orb compiles to exactly NAME.image.
#include "build_pipeline.h"
#include "compile_helpers.h"
#include "source_files.h"

#include <gtest/gtest.h>

namespace {

const std::string goldenNames[] = {GOLDEN_NAMES};

class GoldenImage : public testing::TestWithParam<std::string> {};

TEST_P(GoldenImage, CompilesToTheExpectedImage) {
    std::string source;
    std::string expected;
    ASSERT_TRUE(readWholeFile(goldenFolder / (GetParam() + ".orb"), source));
    ASSERT_TRUE(readWholeFile(goldenFolder / (GetParam() + ".image"), expected));
    ImageWriter writer;
    CompileOutcome outcome = compileProgram(writer, splitSourceLines(source), goldenFolder);
    ASSERT_EQ(outcome.fault.code, 0) << compileErrorLine(outcome.fault);
    EXPECT_EQ(writer.text, expected);
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenImage, testing::ValuesIn(goldenNames),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(GoldenImage, CrLfAndLfSourcesCompileAlike) {
    std::string lf = "x = 5\nPrint x\n";
    std::string crlf = "x = 5\r\nPrint x\r\n";
    EXPECT_EQ(imageOf(splitSourceLines(lf)), imageOf(splitSourceLines(crlf)));
}

}  // namespace
