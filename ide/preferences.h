// The "Preferences" sheet: font, indentation, colouring and the eight colours,
// with a preview of a sample program.
#pragma once

#include "settings.h"

#include <QDialog>
#include <QWidget>

#include <functional>

class QCheckBox;
class QTabWidget;

// The preview: the sample program in the page's working colours and font.
class CSampleCode : public QWidget {
    Q_OBJECT
public:
    explicit CSampleCode(const Settings& working, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Settings& working;
};

class CEditorOptions : public QWidget {
    Q_OBJECT
public:
    CEditorOptions(const Settings& current, QWidget* parent = nullptr);

    const Settings& workingCopy() const { return working; }
    void increaseFont();
    void decreaseFont();
    void restoreDefaults();
    void setBold(bool bold);
    bool boldChecked() const;
    // Asks for a colour starting from the current one; replaced in tests.
    std::function<bool(QColor& colour)> chooseColour;
    // Opens the colour dialog for one of the eight colour settings.
    void pickColour(int Settings::*field);

private:
    void syncChecks();
    void stepFont(int direction);

    Settings working;
    CSampleCode* preview;
    QCheckBox* bold;
    QCheckBox* autoTab;
    QCheckBox* enableColours;
};

class COptionsSheet : public QDialog {
    Q_OBJECT
public:
    COptionsSheet(const Settings& current, QWidget* parent = nullptr);
    CEditorOptions* page() const { return options; }

private:
    CEditorOptions* options;
};
