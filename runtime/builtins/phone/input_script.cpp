#include "phone/input_script.h"

#include <charconv>
#include <utility>

#include "phone/keys.h"
#include "phone/tilt.h"
#include "phone/touch.h"

namespace {

struct KindName {
    std::string_view word;
    InputKind kind;
    int arguments;
};

constexpr KindName kindNames[] = {
    {"keydown", InputKind::keyDown, 1}, {"keyup", InputKind::keyUp, 1}, {"move", InputKind::move, 2},
    {"press", InputKind::press, 2},     {"release", InputKind::release, 2}, {"rot", InputKind::rot, 0},
    {"tilt", InputKind::tilt, 0},       {"slider", InputKind::slider, 2},   {"close", InputKind::close, 0},
};

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r') ++j;
        if (j > i) out.push_back(line.substr(i, j - i));
        i = j;
    }
    return out;
}

template <typename T>
bool number(std::string_view word, T& out) {
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), out);
    return ec == std::errc() && end == word.data() + word.size();
}

bool axis(std::string_view word, int& out) {
    if (word == "x") out = 0;
    else if (word == "y") out = 1;
    else if (word == "z") out = 2;
    else return false;
    return true;
}

}  // namespace

std::variant<std::vector<InputEvent>, InputScriptError> parseInputScript(std::string_view text) {
    std::vector<InputEvent> events;
    int lineNumber = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        const std::vector<std::string_view> w = words(line);
        if (w.empty() || w[0].front() == '#') continue;
        auto fail = [&](std::string message) { return InputScriptError{lineNumber, std::move(message)}; };
        InputEvent event;
        event.byFrame = w[0].front() == '@';
        if (event.byFrame) {
            if (!number(w[0].substr(1), event.step) || event.step == 0) return fail("frames count from @1");
        } else if (!number(w[0], event.step)) {
            return fail("a step count or an @frame comes first");
        }
        if (!events.empty() && events.back().byFrame != event.byFrame)
            return fail("a script keys all its events by step or all by @frame");
        if (!events.empty() && event.step < events.back().step)
            return fail(event.byFrame ? "frames go backwards" : "steps go backwards");
        if (w.size() < 2) return fail("an event name is missing");
        const KindName* kind = nullptr;
        for (const KindName& k : kindNames)
            if (k.word == w[1]) kind = &k;
        if (!kind) return fail("unknown event \"" + std::string(w[1]) + "\"");
        if (static_cast<int>(w.size()) != 2 + kind->arguments) return fail("wrong number of values");
        event.kind = kind->kind;
        if (event.kind == InputKind::slider) {
            if (!axis(w[2], event.a)) return fail("the slider is x, y or z");
            if (!number(w[3], event.b)) return fail("a number is expected");
        } else {
            if (kind->arguments >= 1 && !number(w[2], event.a)) return fail("a number is expected");
            if (kind->arguments >= 2 && !number(w[3], event.b)) return fail("a number is expected");
        }
        events.push_back(event);
    }
    return events;
}

const InputEvent* InputScript::next(uint64_t step) {
    if (next_ == events_.size() || events_[next_].byFrame || events_[next_].step > step) return nullptr;
    return &events_[next_++];
}

const InputEvent* InputScript::nextAtFrame(uint64_t updates) {
    if (next_ == events_.size() || !events_[next_].byFrame || events_[next_].step > updates) return nullptr;
    return &events_[next_++];
}

WindowAction applyInputEvent(Phone& phone, const Screen& s, const InputEvent& event) {
    switch (event.kind) {
    case InputKind::keyDown: keyDown(phone, event.a); break;
    case InputKind::keyUp: keyUp(phone, event.a); break;
    case InputKind::move: touchMove(phone, s, event.a, event.b); break;
    case InputKind::press: touchPress(phone, s, event.a, event.b); break;
    case InputKind::release: touchRelease(phone, s, event.a, event.b); break;
    case InputKind::slider: setSlider(phone.tilt, event.a, event.b); break;
    case InputKind::rot: return WindowAction::rotate;
    case InputKind::tilt: return WindowAction::toggleTilt;
    case InputKind::close: return WindowAction::close;
    }
    return WindowAction::none;
}
