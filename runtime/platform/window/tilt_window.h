// The tilt control window: three sliders on a panel that stand in for the
// phone's tilt sensors. Keys typed into it still reach the program.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <string>

#include "input_queue.h"
#include "phone/phone.h"

class TiltPanel final : public QWidget {
public:
    TiltPanel(QWidget* parent, const std::string& programFolder, Tilt& tilt);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Tilt& tilt_;
    QPixmap panel_;
    QPixmap knob_;
};

class TiltWindow final : public QWidget {
public:
    TiltWindow(const std::string& programFolder, Tilt& tilt, InputQueue& input);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    InputQueue& input_;
};
