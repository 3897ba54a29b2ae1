#pragma once

#include "gui/DeleteConfirmationAnswer.h"

#include <QDialog>

class QAbstractButton;
class QCheckBox;
class QPushButton;

// "You are about to permanently delete circuit ... of link ...": the question
// it is given, with Yes (c6), No (c7, the default,
// so that Enter does not delete) and the check box "Do not ask me this
// again" (c1144). Escape or closing the window counts as No, and then the
// check box is not read: only a pressed button gives it meaning.
class DeleteConfirmationDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DeleteConfirmationDialog(const QString& question, QWidget* parent = nullptr);

    // The answer once the dialog has closed; No until then.
    DeleteConfirmationAnswer answer() const;

    // Shows the dialog modally over `parent` and returns the answer.
    static DeleteConfirmationAnswer ask(QWidget* parent, const QString& question);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buttonPressed(QAbstractButton* button);

    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
    QCheckBox* doNotAskAgain_ = nullptr;
    QAbstractButton* pressed_ = nullptr;
};
