// The error strip below the phone screen: its background, the vibration
// pictures, the "Rot" and "Tilt" buttons, and the error lines of the error screen.
#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

#include "phone/error_strip.h"
#include "phone/window_layout.h"

class ErrorStripWidget final : public QWidget {
public:
    ErrorStripWidget(QWidget* parent, const std::string& programFolder, const Phone& phone);

    void place(const StripLayout& layout);
    // Repaints when the vibration picture changed since the last paint.
    void followVibration();
    // The error screen: the buttons go, the error lines come.
    void showError(RunError error, int line);

    QPushButton* rotButton() { return rot_; }
    QPushButton* tiltButton() { return tilt_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const Phone& phone_;
    QPixmap background_;
    QPixmap vibrationFrames_[2];
    QPushButton* rot_;
    QPushButton* tilt_;
    std::string_view paintedVibration_;
    std::optional<ErrorStripText> error_;
};
