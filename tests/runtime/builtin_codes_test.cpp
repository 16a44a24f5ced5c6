// The built-in names, the keyword table and the dispatcher come from one
// keyword list; these tests catch a list or an expansion that drifts.
#include "dispatch.h"
#include "headless_host.h"
#include "keyword_table.h"
#include "statement_keywords.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Line {
    int code;
    std::string_view identifier;
    std::string_view name;
    std::string_view signature;
    Builtin builtin;
};

constexpr Line builtinLines[] = {
#define ORB_STATEMENT(code, identifier, name, signature)
#define ORB_BUILTIN(code, identifier, name, signature, group, waits) \
    {code, #identifier, name, signature, Builtin::identifier},
#include "keyword_list.h"
#undef ORB_STATEMENT
#undef ORB_BUILTIN
};

TEST(BuiltinCodes, EveryBuiltinIsTheCodeOfItsKeyword) {
    ASSERT_EQ(std::size(builtinLines), size_t(keywordCount - firstBuiltinCode));
    for (const Line& line : builtinLines) {
        EXPECT_EQ(int(line.builtin), line.code) << line.identifier;
        EXPECT_EQ(keywordTable[size_t(line.code)].name, line.name) << line.identifier;
        EXPECT_EQ(keywordTable[size_t(line.code)].signature, line.signature) << line.identifier;
    }
}

// The identifier is the source word, with Float or String for a word that has
// forms of several result kinds; a code without a word has a name of its own.
TEST(BuiltinCodes, EveryIdentifierIsItsKeywordsWord) {
    for (const Line& line : builtinLines) {
        if (line.name.empty()) continue;
        int forms = 0;
        for (const Keyword& k : keywordTable) forms += k.name == line.name;
        const char result = line.signature[1];
        const std::string expected = std::string(line.name) + (forms == 1 || result == '1' ? ""
                                                               : result == '2'            ? "Float"
                                                                                          : "String");
        EXPECT_EQ(line.identifier, expected);
    }
}

TEST(BuiltinCodes, NamesGiveTheImageCodes) {
    EXPECT_EQ(int(Builtin::Abs), 66);
    EXPECT_EQ(int(Builtin::AbsFloat), 67);
    EXPECT_EQ(int(Builtin::ReadData), 68);
    EXPECT_EQ(int(Builtin::ReadDataString), 70);
    EXPECT_EQ(int(Builtin::Sqrt), 72);
    EXPECT_EQ(int(Builtin::Len), 91);
    EXPECT_EQ(int(Builtin::Update), 109);
    EXPECT_EQ(int(Builtin::Pause), 152);
    EXPECT_EQ(int(Builtin::DateString), 157);
    EXPECT_EQ(int(Builtin::Inkey), 192);
    EXPECT_EQ(int(Builtin::JoyPad), 208);
    EXPECT_EQ(int(Builtin::GetMidPosition), 223);
    EXPECT_EQ(int(KwGoto), 0);
    EXPECT_EQ(int(KwData), 23);
    EXPECT_EQ(int(KwVertical), 65);
}

struct Dispatch : testing::Test {
    HeadlessHost host;
    Interp in{host};
    CallArguments args;
    void SetUp() override { in.arguments = &args; }
};

TEST_F(Dispatch, ABuiltinCodeReachesItsGroup) {
    args.floats[0] = 16.0f;
    ASSERT_EQ(dispatch(in, int(Builtin::Sqrt)), ValueKind::Float);
    EXPECT_EQ(in.result.f, 4.0f);
    args.ints[0] = -7;
    ASSERT_EQ(dispatch(in, int(Builtin::Abs)), ValueKind::Integer);
    EXPECT_EQ(in.result.i, 7);
}

TEST_F(Dispatch, FixedAnswersNeedNoModules) {
    ASSERT_EQ(dispatch(in, int(Builtin::TouchScreen)), ValueKind::Integer);
    EXPECT_EQ(in.result.i, 1);
    ASSERT_EQ(dispatch(in, int(Builtin::TiltMin)), ValueKind::Integer);
    EXPECT_EQ(in.result.i, -128);
}

TEST_F(Dispatch, CodesThatAreNoBuiltinGiveNothingAndClearTheResult) {
    for (int32_t code : {-1, int32_t(KwPrint), int32_t(Builtin::DoubleBuffer), keywordCount, 9999}) {
        in.result.i = 5;
        in.result.s = "left over";
        EXPECT_EQ(dispatch(in, code), ValueKind::None) << code;
        EXPECT_EQ(in.result.i, 0) << code;
        EXPECT_TRUE(in.result.s.empty()) << code;
    }
}

}  // namespace
