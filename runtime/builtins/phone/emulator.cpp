#include "phone/emulator.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "phone/joypad.h"
#include "phone/pump.h"
#include "phone/tilt.h"
#include "phone/window_layout.h"
#include "screen/image_file.h"

namespace {

std::optional<InputScript> readInputScript(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    auto parsed = parseInputScript(text.str());
    if (auto* events = std::get_if<std::vector<InputEvent>>(&parsed)) return InputScript(std::move(*events));
    const auto& error = std::get<InputScriptError>(parsed);
    std::fprintf(stderr, "%s, line %d: %s\n", path.c_str(), error.line, error.message.c_str());
    return std::nullopt;
}

}  // namespace

std::optional<RunError> startEmulator(Emulator& e, const EmulatorSettings& settings) {
    auto font = readImageFile(settings.programFolder + "mobilefont.png");
    if (!font) return RunError::FailedToLoadSystemFont;
    e.screen.font = std::move(*font);
    e.phone.orientation = settings.orientation;
    if (auto error = initScreen(e.screen, settings.width, settings.height, e.clock.realTimeMs())) return error;
    e.frames.resize(settings.width, settings.height);
    if (settings.joypadImages) loadJoypadImages(e.phone, settings.programFolder, largeScreen(e.screen));
    if (!settings.inputScriptPath.empty()) e.script = readInputScript(settings.inputScriptPath);
    redrawScreen(e);
    return std::nullopt;
}

FrameLayers frameLayers(Emulator& e) {
    return [&e](Presenter& p) {
        if (e.drawWorld) e.drawWorld(p, joypadMargin(e.phone, e.screen));
        drawJoypadOverlay(e.phone, e.screen, p);
    };
}

std::optional<RunError> redrawScreen(Emulator& e) {
    return composeFrame(e.screen, *e.presenter, joypadMargin(e.phone, e.screen), frameLayers(e));
}

namespace {

WindowAction applyScriptEvent(Emulator& e, const InputEvent& event) {
    const WindowAction action = applyInputEvent(e.phone, e.screen, event);
    if (action == WindowAction::rotate) rotatePhone(e);
    if (action == WindowAction::toggleTilt) toggleTiltWindow(e.phone);
    return action;
}

}  // namespace

std::optional<RunError> updateScreen(Emulator& e) {
    auto error = update(e.screen, *e.presenter, e.clock, joypadMargin(e.phone, e.screen), frameLayers(e));
    ++e.updates;
    if (error || !e.script) return error;
    while (const InputEvent* event = e.script->nextAtFrame(e.updates))
        if (applyScriptEvent(e, *event) == WindowAction::close) return RunError::ProgramClosed;
    return std::nullopt;
}

void rotatePhone(Emulator& e) {
    rotate(e.phone, e.screen);
    if (e.presenter == &e.frames) e.frames.resize(e.screen.width, e.screen.height);
    redrawScreen(e);
}

WindowAction pumpEmulator(Emulator& e, uint64_t steps) {
    // Only a vibration needs the time, and reading the clock at every
    // checkpoint would cost a tight loop more than its statements.
    phoneStep(e.phone, e.phone.vibration.vibrating ? e.clock.realTimeMs() : 0);
    if (!e.script) return WindowAction::none;
    const InputEvent* event = e.script->next(steps);
    return event ? applyScriptEvent(e, *event) : WindowAction::none;
}

bool writeSnapshot(const Emulator& e, const std::string& path) { return writeImageFile(e.frames.lastFrame(), path); }
