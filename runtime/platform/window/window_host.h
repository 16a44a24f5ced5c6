// The host with a display: the phone window, its Irrlicht device and the
// event pump that feeds the window's input to the program between statements.
#pragma once

#include <QApplication>
#include <memory>
#include <optional>
#include <string>

#include "host.h"
#include "input_queue.h"
#include "phone/emulator.h"
#include "phone/pump.h"
#include "phone_window.h"
#include "tilt_window.h"
#include "window_device.h"

class WindowHost final : public Host {
public:
    // A scripted run (ORBRT_INPUT) has nobody to press OK: its message boxes
    // go to standard error only.
    WindowHost(std::string programFolder, bool scripted);
    ~WindowHost() override;
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    // Start-up: the windows, then the device in the drawing surface, which
    // becomes the emulator's presenter. Fails with "Cannot create gfx window".
    std::optional<RunError> openPhone(Emulator& e);
    void show();
    void drawFirstFrame();

    // ORBRT_SNAPSHOT: the frame last presented, as a PNG.
    bool writeSnapshot(const std::string& path);

    PumpResult pump() override;
    void messageBox(std::string_view text, std::string_view caption, bool warningIcon) override;
    bool saveScreenshot(const std::string& path) override;
    void showErrorScreen(RunError error, int32_t line) override;

private:
    void redraw();
    // Brings the window in line with the phone: a turn, the tilt window, vibration.
    void followPhone();
    PumpResult applyInput(const InputEvent& event);

    int argc_ = 1;
    char* argv_[2];
    QApplication app_;
    std::string programFolder_;
    bool scripted_;
    Emulator* emulator_ = nullptr;
    InputQueue input_;
    std::unique_ptr<PhoneWindow> window_;
    std::unique_ptr<TiltWindow> tiltWindow_;
    WindowDevice device_;
    PumpGate gate_;
    int shownOrientation_ = 0;
    bool tiltWasActive_ = false;
    std::string screenshotPath_;
};
