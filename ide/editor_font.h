// The editor's fixed-pitch font and the settings' Windows colour values.
#pragma once

#include "settings.h"

#include <QColor>
#include <QFont>

// The closest the system has to "Courier": the first installed fixed-pitch family of a short list.
QString fixedPitchFamily();
// Every character exactly `width` pixels wide (the font's own width, rounded, when 0 or less).
QFont editorFont(int height, int weight, int width);
QFont editorFont(const Settings& settings);
// The settings' font after the view's zoom steps (Ctrl+plus, Ctrl+minus, Ctrl+wheel).
QFont editorFont(const Settings& settings, int zoomSteps);
// True when the fixed-pitch family can be had with exactly this cell height and character width.
bool fixedFontAvailable(int height, int width);

// Settings hold colours as 0x00BBGGRR.
inline QColor colourFromSetting(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }
inline int settingFromColour(const QColor& colour) { return colour.red() | colour.green() << 8 | colour.blue() << 16; }
