#include "error_strip_widget.h"

#include <QPainter>

namespace {

QPixmap skin(const std::string& programFolder, std::string_view file) {
    return QPixmap(QString::fromStdString(programFolder + std::string(file)));
}

QPushButton* stripButton(QWidget* parent, const QPixmap& face, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAccessibleName(name);
    button->setFocusPolicy(Qt::NoFocus);  // keys stay with the phone
    button->setFlat(true);
    button->setFixedSize(stripButtonWidth, errorStripHeight);
    button->setIcon(face);
    button->setIconSize(QSize(stripButtonWidth, errorStripHeight));
    // A missing face still leaves a button to press.
    if (face.isNull()) button->setText(name);
    return button;
}

}  // namespace

ErrorStripWidget::ErrorStripWidget(QWidget* parent, const std::string& programFolder, const Phone& phone)
    : QWidget(parent),
      phone_(phone),
      background_(skin(programFolder, stripBackgroundFile)),
      vibrationFrames_{skin(programFolder, vibrationFrameFiles[0]), skin(programFolder, vibrationFrameFiles[1])},
      rot_(stripButton(this, skin(programFolder, rotButtonFile), "Rot")),
      tilt_(stripButton(this, skin(programFolder, tiltButtonFile), "Tilt")) {}

void ErrorStripWidget::place(const StripLayout& layout) {
    setGeometry(layout.strip.x, layout.strip.y, layout.strip.width, layout.strip.height);
    rot_->move(layout.rotX, 0);
    tilt_->move(layout.tiltX, 0);
}

void ErrorStripWidget::followVibration() {
    if (vibrationPicture(phone_) != paintedVibration_) update();
}

void ErrorStripWidget::showError(RunError error, int line) {
    rot_->hide();
    tilt_->hide();
    error_ = errorStripText(error, line);
    repaint();
}

void ErrorStripWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!background_.isNull()) painter.drawPixmap(rect(), background_);
    paintedVibration_ = vibrationPicture(phone_);
    if (phone_.vibration.vibrating) {
        const QPixmap& frame = vibrationFrames_[phone_.vibration.frame & 1];
        if (!frame.isNull()) painter.drawPixmap(0, 0, frame);
    }
    if (!error_) return;
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    // The points are the text's top-left corners.
    const QFontMetrics metrics(font);
    painter.drawText(errorMessageAt.x, errorMessageAt.y + metrics.ascent(), QString::fromStdString(error_->message));
    painter.drawText(errorLineAt.x, errorLineAt.y + metrics.ascent(), QString::fromStdString(error_->line));
}
