#include "gui/DeleteConfirmationDialog.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DeleteConfirmationDialog::DeleteConfirmationDialog(const QString& question, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Strings::loadString(StringId::DeleteConfirmCaption));

    // Names from the user's files are shown as they are, never as markup.
    auto* text = new QLabel(question, this);
    text->setObjectName(QStringLiteral("question"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);

    doNotAskAgain_ = new QCheckBox(Strings::loadString(StringId::DeleteDoNotAskAgain), this);
    doNotAskAgain_->setObjectName(QStringLiteral("c1144"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
    yes_ = buttons->button(QDialogButtonBox::Yes);
    yes_->setObjectName(QStringLiteral("c6"));
    yes_->setAutoDefault(false);
    no_ = buttons->button(QDialogButtonBox::No);
    no_->setObjectName(QStringLiteral("c7"));
    no_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(doNotAskAgain_);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::clicked, this, &DeleteConfirmationDialog::buttonPressed);

    // Wide enough that the long question wraps onto two or three lines
    // rather than a narrow column.
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 50);
    no_->setFocus();
}

DeleteConfirmationAnswer DeleteConfirmationDialog::answer() const
{
    if (pressed_ == yes_)
        return {true, doNotAskAgain_->isChecked()};
    if (pressed_ == no_)
        return {false, doNotAskAgain_->isChecked()};
    return {};
}

DeleteConfirmationAnswer DeleteConfirmationDialog::ask(QWidget* parent, const QString& question)
{
    DeleteConfirmationDialog dialog(question, parent);
    dialog.exec();
    return dialog.answer();
}

void DeleteConfirmationDialog::showEvent(QShowEvent* event)
{
    // Each showing asks anew: an answer from an earlier one must not stand
    // in for a window closed this time.
    pressed_ = nullptr;
    QDialog::showEvent(event);
}

void DeleteConfirmationDialog::buttonPressed(QAbstractButton* button)
{
    pressed_ = button;
    if (button == yes_)
        accept();
    else
        reject();
}
