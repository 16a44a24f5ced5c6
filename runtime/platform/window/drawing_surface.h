// The drawing surface inside the screen control: a native window that the
// Irrlicht device draws into, square so that it covers the screen in both
// orientations. Qt never paints it; its mouse is the phone's touch screen.
#pragma once

#include <QWidget>
#include <functional>

#include "input_queue.h"

class DrawingSurface final : public QWidget {
public:
    // `exposed` redraws the screen when the surface needs painting.
    DrawingSurface(QWidget* parent, int side, InputQueue& input, std::function<void()> exposed);
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void queueMouse(QMouseEvent* event, InputKind kind);

    InputQueue& input_;
    std::function<void()> exposed_;
};
