// The dialogs that show what the last build or run left in the work folder:
// the error dialog, the output viewer and the variable viewer.
#pragma once

#include "error_file.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Last error": the error line with Go to Line, Explain and Cancel.
class showerror : public QDialog {
    Q_OBJECT
public:
    // A hint, when given, is shown below the message's fields.
    showerror(const std::string& errorFilePath, std::function<void(int code)> explain, QWidget* parent = nullptr,
              const QString& hint = QString());

    const ErrorReport& report() const { return errorReport; }
    bool found() const { return fileFound; }
    QString lineField() const;
    QString detailField() const;
    QString hintText() const { return hint; }
    bool canGoToLine() const;
    // Set by Go to Line: the line the caret goes to, counted from 1.
    int goToLineRequested() const { return chosenLine; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ErrorReport errorReport;
    bool fileFound = false;
    int chosenLine = 0;
    QString hint;
    QLineEdit* lineEdit;
    QLineEdit* detailEdit;
    QPushButton* goButton;
};

// "View Output": the screenshot of the phone screen.
class viewoutput : public QDialog {
    Q_OBJECT
public:
    viewoutput(const std::string& errorFilePath, const std::string& screenshotPath, QWidget* parent = nullptr);
    bool showsPicture() const { return pictureShown; }

private:
    bool pictureShown = false;
};

// "Variable Viewer": looks names up in the variable dump.
class variableviewer : public QDialog {
    Q_OBJECT
public:
    variableviewer(const std::string& errorFilePath, std::function<void()> help, QWidget* parent = nullptr);

    void lookUp();
    void viewAll();
    QLineEdit* nameField() const { return nameEdit; }
    QStringList rows() const;

private:
    // An error file without variables (a compile error, a program with none) says so in the list.
    void showNothingStored();

    std::vector<DumpEntry> dump;
    QLineEdit* nameEdit;
    QListWidget* list;
};
