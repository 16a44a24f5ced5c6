#include "phone_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <algorithm>

Desktop desktopSize() {
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    return {desktop.width(), desktop.height()};
}

PhoneWindow::PhoneWindow(const Screen& s, const Phone& phone, const std::string& programFolder, InputQueue& input,
                         std::function<void()> redraw)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      input_(input),
      redraw_(std::move(redraw)),
      screenControl_(new QWidget(this)),
      surface_(new DrawingSurface(screenControl_, std::max(s.width, s.height), input, redraw_)),
      strip_(new ErrorStripWidget(this, programFolder, phone)) {
    setWindowTitle("ORBBasic Program");
    setWindowIcon(QIcon(QString::fromStdString(programFolder + "orbbasic.png")));  // the menu entry's icon
    setFocusPolicy(Qt::StrongFocus);
    screenControl_->setGeometry(screenControlX, screenControlY, s.width, s.height);
    const WindowRect outer = mainWindowRect(s, desktopSize());
    setOuterRect(outer);
    strip_->place(stripLayout(outer.width - frameExtraWidth, outer.height - frameExtraHeight));
    QObject::connect(strip_->rotButton(), &QPushButton::clicked,
                     [this] { queueInput(input_, {0, InputKind::rot, 0, 0}); });
    QObject::connect(strip_->tiltButton(), &QPushButton::clicked,
                     [this] { queueInput(input_, {0, InputKind::tilt, 0, 0}); });
}

WindowRect PhoneWindow::outerRect() const {
    return {x(), y(), width() + frameExtraWidth, height() + frameExtraHeight};
}

void PhoneWindow::setOuterRect(WindowRect outer) {
    setFixedSize(outer.width - frameExtraWidth, outer.height - frameExtraHeight);
    move(outer.x, outer.y);
}

void PhoneWindow::turn(const Screen& s) {
    const RotatedLayout layout = rotatedLayout(outerRect(), desktopSize());
    setOuterRect(layout.main);
    screenControl_->resize(s.width, s.height);
    strip_->place(layout.strip);
    strip_->update();
    if (redraw_) redraw_();
}

void PhoneWindow::showStillPicture(const QPixmap& picture) {
    surface_->hide();
    stillPicture_ = new QLabel(this);
    stillPicture_->setGeometry(screenControl_->geometry());
    stillPicture_->setPixmap(picture);
    stillPicture_->show();
    screenControl_->hide();
}

void PhoneWindow::keyPressEvent(QKeyEvent* event) { queueKey(input_, *event, true); }
void PhoneWindow::keyReleaseEvent(QKeyEvent* event) { queueKey(input_, *event, false); }

// The close box ends the program, through the event pump, which reports it.
void PhoneWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    queueInput(input_, {0, InputKind::close, 0, 0});
}

// Coming back to the front, the window shows the phone as it is now.
void PhoneWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    strip_->update();
    if (redraw_ && surface_->isVisible()) redraw_();
}
