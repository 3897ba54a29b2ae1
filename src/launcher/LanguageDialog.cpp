#include "launcher/LanguageDialog.h"

#include "launcher/LcidNames.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

LanguageDialog::LanguageDialog(const QList<int>& languages, QWidget* parent)
    : QDialog(parent), languages_(languages)
{
    setObjectName(QStringLiteral("dialog160"));
    setWindowTitle(QStringLiteral("Choose your Language"));

    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("c1172"));
    for (const int lcid : languages_)
        list_->addItem(nativeLanguageLine(lcid));
    list_->setCurrentIndex(languages_.isEmpty() ? -1 : 0);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("c1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    setMinimumWidth(280);
}

int LanguageDialog::selectedLanguage() const
{
    const int row = list_->currentIndex();
    if (row < 0 || row >= languages_.size())
        return languages_.isEmpty() ? 0 : languages_.front();
    return languages_.at(row);
}

int LanguageDialog::ask(const QList<int>& languages)
{
    LanguageDialog dialog(languages);
    // Closing the dialog instead of pressing OK takes the selection too.
    dialog.exec();
    return dialog.selectedLanguage();
}
