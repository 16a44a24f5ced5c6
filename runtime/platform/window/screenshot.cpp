#include "screenshot.h"

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <vector>

#include "bmp.h"

bool writeScreenshot(QWidget& widget, const std::string& path) {
    QScreen* screen = widget.screen();
    if (!screen) return false;
    // Grabbed from the desktop, so it holds what the native drawing surface shows.
    const QPoint corner = widget.mapToGlobal(QPoint(0, 0));
    const QImage shot =
        screen->grabWindow(0, corner.x(), corner.y(), widget.width(), widget.height()).toImage().convertToFormat(
            QImage::Format_RGB32);
    if (shot.isNull()) return false;
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<size_t>(shot.width()) * static_cast<size_t>(shot.height()));
    for (int y = 0; y < shot.height(); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x) pixels.push_back(row[x] & 0xFFFFFFu);
    }
    return writeBmp(path, shot.width(), shot.height(), pixels);
}
