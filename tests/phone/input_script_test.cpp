#include <gtest/gtest.h>

#include "phone/input_script.h"
#include "phone/keys.h"

namespace {
std::vector<InputEvent> parsed(std::string_view text) {
    auto result = parseInputScript(text);
    EXPECT_TRUE(std::holds_alternative<std::vector<InputEvent>>(result));
    return std::get<std::vector<InputEvent>>(result);
}

InputScriptError failure(std::string_view text) {
    auto result = parseInputScript(text);
    EXPECT_TRUE(std::holds_alternative<InputScriptError>(result));
    return std::get<InputScriptError>(result);
}
}  // namespace

TEST(InputScript, ReadsEveryEventKind) {
    const auto events = parsed(
        "# a comment\n"
        "0 keydown 65\n"
        "\n"
        "5 keyup 65\r\n"
        "5 press 10 20\n"
        "6 move 11 21\n"
        "7 release 11 21\n"
        "8 rot\n"
        "9 tilt\n"
        "10 slider z 100\n"
        "12 close\n");
    ASSERT_EQ(events.size(), 9u);
    EXPECT_EQ(events[0].kind, InputKind::keyDown);
    EXPECT_EQ(events[0].a, 65);
    EXPECT_EQ(events[1].step, 5u);
    EXPECT_EQ(events[2].kind, InputKind::press);
    EXPECT_EQ(events[2].b, 20);
    EXPECT_EQ(events[7].kind, InputKind::slider);
    EXPECT_EQ(events[7].a, 2);
    EXPECT_EQ(events[7].b, 100);
    EXPECT_EQ(events[8].kind, InputKind::close);
}

TEST(InputScript, ErrorsNameTheLine) {
    EXPECT_EQ(failure("1 keydown 65\n2 jump\n").line, 2);
    EXPECT_EQ(failure("5 rot\n4 rot\n").line, 2);
    EXPECT_EQ(failure("x rot\n").line, 1);
    EXPECT_EQ(failure("1 press 10\n").line, 1);
    EXPECT_EQ(failure("1 slider w 5\n").line, 1);
    EXPECT_EQ(failure("1 keydown 6a\n").line, 1);
}

TEST(InputScript, HandsOutAtMostOneDueEventPerStep) {
    InputScript script(parsed("2 keydown 65\n2 keyup 65\n4 close\n"));
    EXPECT_EQ(script.next(1), nullptr);
    EXPECT_EQ(script.next(2)->kind, InputKind::keyDown);
    EXPECT_EQ(script.next(3)->kind, InputKind::keyUp);  // late, but still in order
    EXPECT_EQ(script.next(3), nullptr);
    EXPECT_EQ(script.next(4)->kind, InputKind::close);
    EXPECT_TRUE(script.finished());
}

TEST(InputScript, AppliesInputAndLeavesWindowActionsToTheWindow) {
    Screen s;
    Phone phone;
    EXPECT_EQ(applyInputEvent(phone, s, {0, InputKind::keyDown, 13, 0}), WindowAction::none);
    EXPECT_EQ(keyPressed(phone, -5), 1);
    applyInputEvent(phone, s, {0, InputKind::press, 40, 50, });
    EXPECT_TRUE(phone.touch.touching);
    applyInputEvent(phone, s, {0, InputKind::slider, 1, 120});
    EXPECT_EQ(phone.tilt.sliders[1], 100);
    EXPECT_EQ(applyInputEvent(phone, s, {0, InputKind::rot, 0, 0}), WindowAction::rotate);
    EXPECT_EQ(applyInputEvent(phone, s, {0, InputKind::tilt, 0, 0}), WindowAction::toggleTilt);
    EXPECT_EQ(applyInputEvent(phone, s, {0, InputKind::close, 0, 0}), WindowAction::close);
}

TEST(InputScript, ReadsFrameKeyedEvents) {
    const auto events = parsed("@1 keydown 65\n@1 keyup 65\n@3 press 10 20\n@12 close\n");
    ASSERT_EQ(events.size(), 4u);
    EXPECT_TRUE(events[0].byFrame);
    EXPECT_EQ(events[0].step, 1u);
    EXPECT_EQ(events[2].kind, InputKind::press);
    EXPECT_EQ(events[3].step, 12u);
}

TEST(InputScript, FrameKeyedScriptsAreOneFormCountingFromOne) {
    EXPECT_EQ(failure("@1 rot\n5 rot\n").line, 2);
    EXPECT_EQ(failure("5 rot\n@6 rot\n").line, 2);
    EXPECT_EQ(failure("@0 rot\n").line, 1);
    EXPECT_EQ(failure("@3 rot\n@2 rot\n").line, 2);
    EXPECT_EQ(failure("@ rot\n").line, 1);
}

TEST(InputScript, HandsOutEveryEventOfAFrameAfterItsUpdate) {
    InputScript script(parsed("@2 keydown 65\n@2 keyup 65\n@4 close\n"));
    EXPECT_EQ(script.next(1000), nullptr);  // never by statement count
    EXPECT_EQ(script.nextAtFrame(1), nullptr);
    EXPECT_EQ(script.nextAtFrame(2)->kind, InputKind::keyDown);
    EXPECT_EQ(script.nextAtFrame(2)->kind, InputKind::keyUp);
    EXPECT_EQ(script.nextAtFrame(3), nullptr);
    EXPECT_EQ(script.nextAtFrame(4)->kind, InputKind::close);
    EXPECT_TRUE(script.finished());
}

TEST(InputScript, StepKeyedEventsAreNotHandedOutByFrame) {
    InputScript script(parsed("0 keydown 65\n"));
    EXPECT_EQ(script.nextAtFrame(99), nullptr);
    EXPECT_EQ(script.next(0)->kind, InputKind::keyDown);
}
