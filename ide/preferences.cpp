#include "preferences.h"

#include "editor_font.h"
#include "font_step.h"
#include "sample_code.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A coloured box that opens the colour dialog when clicked inside.
class Swatch : public QWidget {
public:
    Swatch(const int& value, std::function<void()> clicked) : value(value), clicked(std::move(clicked)) {
        setFixedSize(40, 18);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), colourFromSetting(value));
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) clicked();
    }

private:
    const int& value;
    std::function<void()> clicked;
};

int colourOf(const Settings& settings, ColourClass colour) {
    switch (colour) {
    case ColourClass::Keyword: return settings.keywordColour;
    case ColourClass::Number: return settings.numberColour;
    case ColourClass::String: return settings.stringColour;
    case ColourClass::Remark: return settings.remarkColour;
    case ColourClass::Normal: break;
    }
    return settings.textColour;
}

}  // namespace

// ---- preview ----

CSampleCode::CSampleCode(const Settings& working, QWidget* parent) : QWidget(parent), working(working) {
    setMinimumSize(260, 110);
}

QSize CSampleCode::sizeHint() const { return {300, 120}; }

void CSampleCode::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool colours = working.syntaxColouring != 0;
    painter.fillRect(rect(), colourFromSetting(colours ? working.backgroundColour : 15790320));
    painter.setFont(editorFont(working));
    const QFontMetrics metrics = painter.fontMetrics();
    int y = 4 + metrics.ascent();
    for (std::string_view line : sampleProgram) {
        int x = 4;
        for (const SampleText& piece : samplePieces(line)) {
            const QString text = QString::fromLatin1(piece.text.c_str());
            painter.setPen(colours ? colourFromSetting(colourOf(working, piece.colour)) : QColor(Qt::black));
            painter.drawText(x, y, text);
            x += metrics.horizontalAdvance(text);
        }
        y += metrics.height();
    }
}

// ---- page ----

CEditorOptions::CEditorOptions(const Settings& current, QWidget* parent) : QWidget(parent), working(current) {
    chooseColour = [this](QColor& colour) {
        const QColor chosen = QColorDialog::getColor(colour, this);
        if (!chosen.isValid()) return false;
        colour = chosen;
        return true;
    };
    preview = new CSampleCode(working);

    auto* settingsGroup = new QGroupBox(tr("Settings"));
    auto* settingsLayout = new QGridLayout(settingsGroup);
    auto* dec = new QPushButton(tr("Dec"));
    auto* inc = new QPushButton(tr("Inc"));
    connect(dec, &QPushButton::clicked, this, &CEditorOptions::decreaseFont);
    connect(inc, &QPushButton::clicked, this, &CEditorOptions::increaseFont);
    auto* sizeButtons = new QHBoxLayout;
    sizeButtons->addWidget(dec);
    sizeButtons->addWidget(inc);
    settingsLayout->addWidget(new QLabel(tr("Font Size:")), 0, 0);
    settingsLayout->addLayout(sizeButtons, 0, 1);
    bold = new QCheckBox(tr("&Bold"));
    settingsLayout->addWidget(new QLabel(tr("Font Style:")), 1, 0);
    settingsLayout->addWidget(bold, 1, 1);
    autoTab = new QCheckBox(tr("&Auto-tab"));
    settingsLayout->addWidget(autoTab, 2, 0, 1, 2);

    auto* syntaxGroup = new QGroupBox(tr("Syntax"));
    auto* syntaxLayout = new QGridLayout(syntaxGroup);
    enableColours = new QCheckBox(tr("&Enable Colours:"));
    syntaxLayout->addWidget(enableColours, 0, 0, 1, 4);
    const std::pair<const char*, int Settings::*> swatches[] = {
        {"Background", &Settings::backgroundColour}, {"Text", &Settings::textColour},
        {"Comments:", &Settings::remarkColour},      {"Keywords:", &Settings::keywordColour},
        {"Strings:", &Settings::stringColour},       {"Numbers:", &Settings::numberColour},
        {"Margin:", &Settings::marginColour},        {"Line Numbers:", &Settings::lineNumberColour},
    };
    int index = 0;
    for (const auto& [label, field] : swatches) {
        const int row = 1 + index / 2;
        const int column = (index % 2) * 2;
        syntaxLayout->addWidget(new QLabel(tr(label)), row, column);
        syntaxLayout->addWidget(new Swatch(working.*field, [this, f = field] { pickColour(f); }), row, column + 1);
        ++index;
    }

    auto* restore = new QPushButton(tr("&Restore defaults"));
    connect(restore, &QPushButton::clicked, this, &CEditorOptions::restoreDefaults);
    connect(bold, &QCheckBox::clicked, this, &CEditorOptions::setBold);
    connect(autoTab, &QCheckBox::toggled, this, [this](bool on) { working.autoIndent = on ? 1 : 0; });
    connect(enableColours, &QCheckBox::toggled, this, [this](bool on) {
        working.syntaxColouring = on ? 1 : 0;
        preview->update();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settingsGroup);
    layout->addWidget(syntaxGroup);
    layout->addWidget(new QLabel(tr("Preview:")));
    layout->addWidget(preview);
    layout->addWidget(restore, 0, Qt::AlignLeft);
    syncChecks();
}

void CEditorOptions::syncChecks() {
    bold->setChecked(working.fontWeight != 400);
    autoTab->setChecked(working.autoIndent != 0);
    enableColours->setChecked(working.syntaxColouring != 0);
}

bool CEditorOptions::boldChecked() const { return bold->isChecked(); }

void CEditorOptions::setBold(bool on) {
    bold->setChecked(on);
    working.fontWeight = on ? 600 : 400;
    preview->update();
}

void CEditorOptions::stepFont(int direction) {
    if (const std::optional<FontSize> size = stepFontSize(working.fontHeight, direction, fixedFontAvailable)) {
        working.fontHeight = size->height;
        working.fontWidth = size->width;
    }
    preview->update();
}

void CEditorOptions::increaseFont() { stepFont(+1); }
void CEditorOptions::decreaseFont() { stepFont(-1); }

void CEditorOptions::pickColour(int Settings::*field) {
    QColor colour = colourFromSetting(working.*field);
    if (!chooseColour(colour)) return;
    working.*field = settingFromColour(colour);
    update();
    preview->update();
}

void CEditorOptions::restoreDefaults() {
    const Settings defaults;
    for (int Settings::*field :
         {&Settings::backgroundColour, &Settings::textColour, &Settings::stringColour, &Settings::keywordColour,
          &Settings::remarkColour, &Settings::numberColour, &Settings::marginColour, &Settings::lineNumberColour})
        working.*field = defaults.*field;
    working.syntaxColouring = 1;
    working.fontHeight = defaults.fontHeight;
    working.fontWidth = defaults.fontWidth;
    working.fontWeight = defaults.fontWeight;
    syncChecks();
    update();
    preview->update();
}

// ---- sheet ----

COptionsSheet::COptionsSheet(const Settings& current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Preferences"));
    options = new CEditorOptions(current);
    auto* tabs = new QTabWidget;
    tabs->addTab(options, tr("Editor"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}
