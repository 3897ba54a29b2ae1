#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The question before the PDF reader is installed from the medium: its
// caption, message and the two button texts come from Languages.ini. Yes
// accepts; No, Escape and closing reject.
class WarningDialog : public QDialog
{
    Q_OBJECT

public:
    WarningDialog(const QString& title, const QString& message, const QString& yesText, const QString& noText,
                  QWidget* parent = nullptr);

    QString message() const;

private:
    QLabel* message_ = nullptr;
};
