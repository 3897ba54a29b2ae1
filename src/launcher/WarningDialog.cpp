#include "launcher/WarningDialog.h"

#include "launcher/WarningText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

WarningDialog::WarningDialog(const QString& title, const QString& message, const QString& yesText,
                             const QString& noText, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dialog129"));
    setWindowTitle(title.isEmpty() ? QStringLiteral("Warning") : title);

    message_ = new QLabel(withPlainLineBreaks(message), this);
    message_->setObjectName(QStringLiteral("c1000"));
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);

    // A medium without the button texts keeps the buttons readable.
    auto* yes = new QPushButton(yesText.isEmpty() ? QStringLiteral("&Yes") : yesText, this);
    yes->setObjectName(QStringLiteral("c1"));
    yes->setDefault(true);
    auto* no = new QPushButton(noText.isEmpty() ? QStringLiteral("&No") : noText, this);
    no->setObjectName(QStringLiteral("c2"));
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

QString WarningDialog::message() const
{
    return message_->text();
}
