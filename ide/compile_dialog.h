// The Compile dialog: one result field per stage of the phone package build
// and a progress bar that advances as the stages succeed.
#pragma once

#include "build_service.h"

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

class CompileDialog : public QDialog, public CompileProgress {
    Q_OBJECT
public:
    // askOutputName shows the save dialog; tests answer in its place.
    CompileDialog(std::function<QString()> askOutputName, QWidget* parent);

    void status(const std::string& text) override;
    std::string outputName() override;
    // The build has ended: Close may be pressed.
    void finish();

    QString result(int row) const;
    int progress() const;

private:
    std::function<QString()> askOutputName;
    QLabel* results[3];
    QString shrinkNote;  // "Not shrunk ..." when ProGuard did not run; stays under the later statuses
    QProgressBar* bar;
    QPushButton* closeButton;
};
