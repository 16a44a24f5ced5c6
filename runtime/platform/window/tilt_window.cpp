#include "tilt_window.h"

#include <QMouseEvent>
#include <QPainter>

#include "phone/error_strip.h"
#include "phone/tilt.h"
#include "phone/window_layout.h"

TiltPanel::TiltPanel(QWidget* parent, const std::string& programFolder, Tilt& tilt)
    : QWidget(parent),
      tilt_(tilt),
      panel_(QString::fromStdString(programFolder + std::string(tiltPanelFile))),
      knob_(QString::fromStdString(programFolder + std::string(sliderKnobFile))) {
    setGeometry(0, 0, tiltPanelWidth, tiltPanelHeight);
    setAccessibleName("X\nY\nZ");
}

void TiltPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!panel_.isNull()) painter.drawPixmap(0, 0, panel_);
    if (knob_.isNull()) return;
    for (int axis = 0; axis < tiltAxes; ++axis)
        painter.drawPixmap(sliderKnobX(tilt_.sliders[axis]), sliderKnobRows[axis], knob_);
}

void TiltPanel::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && tiltPanelPress(tilt_, at.x(), at.y())) update();
}

void TiltPanel::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && tiltPanelMove(tilt_, event->position().toPoint().x())) update();
}

void TiltPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) tiltPanelRelease(tilt_);
}

TiltWindow::TiltWindow(const std::string& programFolder, Tilt& tilt, InputQueue& input)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), input_(input) {
    setWindowTitle("ORBBasic Tilt Control");
    setFixedSize(tiltWindowWidth, tiltWindowHeight);
    new TiltPanel(this, programFolder, tilt);
}

void TiltWindow::keyPressEvent(QKeyEvent* event) { queueKey(input_, *event, true); }
void TiltWindow::keyReleaseEvent(QKeyEvent* event) { queueKey(input_, *event, false); }
