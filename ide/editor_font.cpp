#include "editor_font.h"

#include "font_step.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <cmath>

QString fixedPitchFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* candidate : {"Courier", "Courier New", "Nimbus Mono PS", "Liberation Mono", "DejaVu Sans Mono"})
            if (installed.contains(QString::fromLatin1(candidate)) && QFontDatabase::isFixedPitch(QString::fromLatin1(candidate)))
                return QString::fromLatin1(candidate);
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    }();
    return family;
}

QFont editorFont(int height, int weight, int width) {
    QFont font(fixedPitchFamily());
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(height > 0 ? height : 13);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setHintingPreference(QFont::PreferFullHinting);
    // A whole number of pixels per character, so that columns line up with runs drawn apart.
    const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, (width > 0 ? width : std::round(advance)) - advance);
    return font;
}

QFont editorFont(const Settings& settings) {
    return editorFont(settings.fontHeight, settings.fontWeight, settings.fontWidth);
}

QFont editorFont(const Settings& settings, int zoomSteps) {
    const FontSize size = zoomedFontSize(settings.fontHeight, settings.fontWidth, zoomSteps);
    return editorFont(size.height, settings.fontWeight, size.width);
}

bool fixedFontAvailable(int height, int width) {
    const QFont font = editorFont(height, 400, width);
    const QFontInfo info(font);
    // Scalable families supply every height, and letter spacing any width.
    return info.fixedPitch() && info.pixelSize() == height && width > 0;
}
