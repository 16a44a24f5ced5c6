// What the fast steps compile: the statements a counting loop is made of
// become one group, from the loop's body to its test.
#include "fast_steps.h"
#include "host.h"
#include "interp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct NoHost final : Host {
    PumpResult pump() override { return PumpResult::Continue; }
    void messageBox(std::string_view, std::string_view, bool) override {}
    bool saveScreenshot(const std::string&) override { return false; }
    void showErrorScreen(RunError, int32_t) override {}
};

// "s = 0 / For i = 1 To 9 / s = s + i / Next", as the compiler writes it.
const std::string countingLoop =
    "w01VXB\n~c0000\n\nL1:L2:v40000m00x\nL3:v40001m01x\n~b0003~a0001q1\nv10001q>=m09xq70000\nq40000\n\n"
    "~b0002\nq50000\nv40001v10001m+m01x\n~a0003\nL4:v40000v10000m+v10001\nL5:~b0001~a0002\n1f\n~a0000\n"
    "va0002_0000_0001\n1d\nw10360w20640w30000w40001w50001w60000w70003w80001w90001wA0000wx0011";

std::vector<FastKind> kindsOfGroupAt(Interp& in, const std::string& marker) {
    const std::string text(in.image.text(), in.image.length);
    const size_t pos = text.find(marker);
    EXPECT_NE(pos, std::string::npos);
    // The first visit only notes the position; the second compiles it.
    EXPECT_EQ(fastGroupAt(in, static_cast<uint32_t>(pos)), notCompiled);
    const FastGroup group = in.fastSteps.groups[static_cast<size_t>(fastGroupAt(in, static_cast<uint32_t>(pos)))];
    std::vector<FastKind> kinds;
    for (uint32_t i = 0; i < group.stepCount; ++i) kinds.push_back(in.fastSteps.steps[group.firstStep + i].kind);
    return kinds;
}

TEST(FastGroups, ALoopsBodyIncrementAndTestAreOneGroup) {
    NoHost host;
    Interp in(host);
    ASSERT_FALSE(loadImageText(countingLoop, in.image));
    using enum FastKind;
    EXPECT_EQ(kindsOfGroupAt(in, "L4:"),
              (std::vector<FastKind>{Move, Assign, Move, Move, Move, Move, CompareLeft, Test}));
    EXPECT_EQ(kindsOfGroupAt(in, "q50000"), (std::vector<FastKind>{Move, Assign, Move, Move, Move, Assign, Move, Move,
                                                                   Move, Move, CompareLeft, Test}));
    EXPECT_EQ(in.fastSteps.groups.size(), 2u);
}

TEST(FastGroups, AGroupIsCompiledForTheComparisonOpenWhenItIsFirstReached) {
    NoHost host;
    Interp in(host);
    ASSERT_FALSE(loadImageText(countingLoop, in.image));
    using enum FastKind;
    // The right side of the loop's test, reached by itself: with no comparison
    // open it is the evaluator's; an integer one makes it a fast test.
    EXPECT_TRUE(kindsOfGroupAt(in, "m09x").empty());
    Interp comparing(host);
    ASSERT_FALSE(loadImageText(countingLoop, comparing.image));
    comparing.comparison.kind = ValueKind::Integer;
    EXPECT_EQ(kindsOfGroupAt(comparing, "m09x"), (std::vector<FastKind>{Test}));
}

TEST(FastGroups, WhatTheEvaluatorMustRunEndsTheGroup) {
    NoHost host;
    Interp in(host);
    ASSERT_FALSE(loadImageText(countingLoop, in.image));
    using enum FastKind;
    // The end of the program reports, so it is the evaluator's.
    EXPECT_TRUE(kindsOfGroupAt(in, "1f\n").empty());
    EXPECT_EQ(kindsOfGroupAt(in, "L5:"), (std::vector<FastKind>{Move, Move, Move, Move, CompareLeft, Test}));
}

}  // namespace
