#pragma once

#include <QDialog>

class QLabel;

// "About Fibrolog": the version and an OK button, and a line about the build
// (Qt and SQLCipher versions, build date) that starts hidden and that
// Ctrl+Shift+A shows and hides while the box is open.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    bool showsBuildLine() const;
    void toggleBuildLine();

private:
    QLabel* buildLine_ = nullptr;
};
