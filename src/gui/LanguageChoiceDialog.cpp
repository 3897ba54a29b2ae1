#include "gui/LanguageChoiceDialog.h"

#include "app/LocaleIds.h"
#include "app/NativeLanguageLine.h"
#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

LanguageChoiceDialog::LanguageChoiceDialog(const QList<int>& languages, QWidget* parent)
    : QDialog(parent), languages_(languages)
{
    setWindowTitle(Strings::loadString(StringId::ChooseLanguageCaption));

    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("c1172"));
    for (int lcid : languages_)
        list_->addItem(nativeLanguageLine(lcid), lcid);
    list_->setCurrentIndex(languages_.isEmpty() ? -1 : 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("c1"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    list_->setFocus();
}

int LanguageChoiceDialog::chosenLanguage() const
{
    const int index = list_->currentIndex();
    if (index < 0 || index >= languages_.size())
        return kLcidEnglishUnitedStates;
    return languages_.at(index);
}

int LanguageChoiceDialog::choose(const QList<int>& languages, QWidget* parent)
{
    LanguageChoiceDialog dialog(languages, parent);
    dialog.exec();
    return dialog.chosenLanguage();
}
