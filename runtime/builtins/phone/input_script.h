// ORBRT_INPUT scripts: timed input events that the event pump applies at given
// statement counts, so that input is tested deterministically with or without
// a window. One event a line:
//
//   STEP keydown VK | keyup VK          virtual-key code 0..254
//   STEP move X Y | press X Y | release X Y   screen-control pixels
//   STEP rot | tilt                     a click on the Rot or Tilt button
//   STEP slider x|y|z VALUE             a tilt slider set to 0..100
//   STEP close                          the close box
//
// STEP is the number of statements run before the event; steps never go
// backwards. Blank lines and lines starting with "#" are ignored.
//
// Instead of STEP a line may start with @F: the event applies when the
// program's F-th Update (F from 1) has shown its frame, before the statement
// after it, together with every other event of that frame. Statements are
// image steps, not source lines, so frames are what a person can count; the
// phone test host reads the same form. A script keys all its events one way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "phone/phone.h"

enum class InputKind { keyDown, keyUp, move, press, release, rot, tilt, slider, close };

struct InputEvent {
    uint64_t step = 0;  // the statement count, or with byFrame the Update count
    InputKind kind = InputKind::close;
    int a = 0;  // key code, x, or slider axis 0..2
    int b = 0;  // y, or slider value
    bool byFrame = false;
};

struct InputScriptError {
    int line = 0;
    std::string message;
};

std::variant<std::vector<InputEvent>, InputScriptError> parseInputScript(std::string_view text);

// Hands out the events in order: step-keyed ones at most one per pump step,
// frame-keyed ones all that are due after an Update.
class InputScript {
public:
    explicit InputScript(std::vector<InputEvent> events) : events_(std::move(events)) {}
    const InputEvent* next(uint64_t step);
    const InputEvent* nextAtFrame(uint64_t updates);
    bool finished() const { return next_ == events_.size(); }

private:
    std::vector<InputEvent> events_;
    size_t next_ = 0;
};

// What an event asks of the window beyond the phone's input state.
enum class WindowAction { none, rotate, toggleTilt, close };

// Applies key, mouse and slider events to the phone; the rest is the window's.
WindowAction applyInputEvent(Phone& phone, const Screen& s, const InputEvent& event);
