// The screenshot of a run's end: the desktop area that a widget covers, as a
// Windows BMP file.
#pragma once

#include <string>

class QWidget;

bool writeScreenshot(QWidget& widget, const std::string& path);
