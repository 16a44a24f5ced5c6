// The phone's main window: the screen control with its drawing surface at
// (5, 5), the error strip along the bottom, and the keyboard and close box.
#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>

#include "drawing_surface.h"
#include "error_strip_widget.h"
#include "input_queue.h"
#include "phone/window_layout.h"

// Qt sizes a window's client area; the phone's sizes are outer ones, which a
// captioned frame makes this much larger than the client area.
inline constexpr int frameExtraWidth = 5;
inline constexpr int frameExtraHeight = 32;

Desktop desktopSize();

class PhoneWindow final : public QWidget {
public:
    // `redraw` draws the screen again as Update does.
    PhoneWindow(const Screen& s, const Phone& phone, const std::string& programFolder, InputQueue& input,
                std::function<void()> redraw);

    uintptr_t surfaceWindow() { return static_cast<uintptr_t>(surface_->winId()); }
    QWidget& screenControl() { return *screenControl_; }
    ErrorStripWidget& strip() { return *strip_; }
    WindowRect outerRect() const;

    // Rot: the window takes the turned layout around the turned screen.
    void turn(const Screen& s);
    // The error screen: a still picture in place of the live surface.
    void showStillPicture(const QPixmap& picture);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setOuterRect(WindowRect outer);

    InputQueue& input_;
    std::function<void()> redraw_;
    QWidget* screenControl_;
    DrawingSurface* surface_;
    ErrorStripWidget* strip_;
    QLabel* stillPicture_ = nullptr;
};
