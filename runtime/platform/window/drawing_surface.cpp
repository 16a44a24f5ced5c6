#include "drawing_surface.h"

#include <QMouseEvent>

DrawingSurface::DrawingSurface(QWidget* parent, int side, InputQueue& input, std::function<void()> exposed)
    : QWidget(parent), input_(input), exposed_(std::move(exposed)) {
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, side, side);
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    if (exposed_) exposed_();
}

// Surface pixels are screen-control pixels: the surface sits at the control's corner.
void DrawingSurface::queueMouse(QMouseEvent* event, InputKind kind) {
    const QPoint at = event->position().toPoint();
    queueInput(input_, {0, kind, at.x(), at.y()});
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) queueMouse(event, InputKind::press);
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) queueMouse(event, InputKind::move);
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) queueMouse(event, InputKind::release);
}
