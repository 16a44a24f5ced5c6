#include "window_host.h"

#include <QMessageBox>
#include <QThread>
#include <algorithm>
#include <cstdio>

#include "phone/tilt.h"
#include "screen/image_file.h"
#include "screenshot.h"
#include "stop_signals.h"

namespace {

char applicationName[] = "orbrt";

}  // namespace

WindowHost::WindowHost(std::string programFolder, bool scripted)
    : argv_{applicationName, nullptr}, app_(argc_, argv_), programFolder_(std::move(programFolder)), scripted_(scripted) {}

WindowHost::~WindowHost() {
    // The device draws into the surface: it goes before the windows.
    releaseWindowDevice(device_);
    tiltWindow_.reset();
    window_.reset();
}

std::optional<RunError> WindowHost::openPhone(Emulator& e) {
    emulator_ = &e;
    shownOrientation_ = e.phone.orientation;
    window_ = std::make_unique<PhoneWindow>(e.screen, e.phone, programFolder_, input_, [this] { redraw(); });
    const int side = std::max(e.screen.width, e.screen.height);
    device_ = createWindowDevice(window_->surfaceWindow(), side, &e.screen.buffer);
    if (!device_.device) return RunError::CannotCreateGfxWindow;
    e.presenter = device_.presenter.get();
    return std::nullopt;
}

void WindowHost::show() {
    window_->show();
    window_->activateWindow();
    QCoreApplication::processEvents();
}

void WindowHost::drawFirstFrame() {
    window_->strip().update();
    redraw();
}

void WindowHost::redraw() {
    if (emulator_ && device_.presenter && emulator_->presenter == device_.presenter.get()) redrawScreen(*emulator_);
}

bool WindowHost::writeSnapshot(const std::string& path) {
    if (!emulator_ || !device_.device) return false;
    return writeImageFile(lastPresentedFrame(device_, emulator_->screen.width, emulator_->screen.height), path);
}

PumpResult WindowHost::pump() {
    if (stopSignalReceived()) return PumpResult::Closed;
    if (!emulator_) return PumpResult::Continue;
    if (pumpDue(gate_, emulator_->clock.realTimeMs())) {
        QCoreApplication::processEvents();
        followPhone();
    }
    if (input_.empty()) return PumpResult::Continue;
    const InputEvent event = input_.front();
    input_.pop_front();
    return applyInput(event);
}

PumpResult WindowHost::applyInput(const InputEvent& event) {
    Emulator& e = *emulator_;
    switch (applyInputEvent(e.phone, e.screen, event)) {
    case WindowAction::none: break;
    case WindowAction::rotate:
        rotatePhone(e);
        followPhone();
        break;
    case WindowAction::toggleTilt:
        toggleTiltWindow(e.phone);
        followPhone();
        break;
    case WindowAction::close: return PumpResult::Closed;
    }
    return PumpResult::Continue;
}

void WindowHost::followPhone() {
    Emulator& e = *emulator_;
    if (e.phone.orientation != shownOrientation_) {
        shownOrientation_ = e.phone.orientation;
        window_->turn(e.screen);
        if (tiltWindow_ && tiltWindow_->isVisible()) {
            const WindowRect r = tiltWindowRect(window_->outerRect(), e.phone.orientation, desktopSize());
            tiltWindow_->move(r.x, r.y);
            tiltWindow_->update();
        }
    }
    const bool tiltActive = e.phone.tilt.windowActive;
    if (tiltActive && !tiltWasActive_) {
        if (!tiltWindow_) {
            tiltWindow_ = std::make_unique<TiltWindow>(programFolder_, e.phone.tilt, input_);
            const WindowRect r = tiltWindowRect(window_->outerRect(), e.phone.orientation, desktopSize());
            tiltWindow_->move(r.x, r.y);
        }
        tiltWindow_->show();
        tiltWindow_->raise();
        tiltWindow_->activateWindow();
    }
    tiltWasActive_ = tiltActive;
    window_->strip().followVibration();
}

void WindowHost::messageBox(std::string_view text, std::string_view caption, bool warningIcon) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(), static_cast<int>(text.size()),
                 text.data());
    // Nobody is there to press OK when the input is scripted or a signal is ending the run.
    if (scripted_ || stopSignalReceived()) return;
    QMessageBox box(warningIcon ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok,
                    window_.get());
    box.exec();
}

bool WindowHost::saveScreenshot(const std::string& path) {
    screenshotPath_ = path;
    if (!window_ || !device_.device) return false;
    return writeScreenshot(window_->screenControl(), path);
}

void WindowHost::showErrorScreen(RunError error, int32_t line) {
    if (!window_) return;
    const QPixmap picture(QString::fromStdString(screenshotPath_));
    if (!picture.isNull()) window_->showStillPicture(picture);
    window_->strip().showError(error, line);
    // Wait for a key; the close box or a stop signal ends the wait too, so the
    // window can always go. The signal wakes no event loop, hence the short naps.
    for (;;) {
        while (input_.empty()) {
            if (stopSignalReceived()) return;
            QCoreApplication::processEvents();
            if (input_.empty()) QThread::msleep(10);
        }
        const InputEvent event = input_.front();
        input_.pop_front();
        if (event.kind == InputKind::keyDown || event.kind == InputKind::close) return;
    }
}
