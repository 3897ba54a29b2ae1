#include "wizards/CStandardWizardName.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "wizards/CStandardWizard.h"
#include "wizards/WizardButtons.h"
#include "wizards/WizardLabels.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CStandardWizardName::CStandardWizardName(CStandardWizard& wizard)
    : WizardPage(Strings::loadString(StringId::StandardWizardCaption)), wizard_(wizard)
{
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("c1055"));
    name_->setMaxLength(CStandardWizard::kMaxNameLength);
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(Strings::loadString(StringId::StandardWizardNameQuestion), this);
    // The question names the field, for screen readers.
    question->setBuddy(name_);
    layout->addWidget(question);
    layout->addWidget(name_);
    reason_ = reasonLabel(this);
    layout->addWidget(reason_);
    layout->addStretch(1);
    connect(name_, &QLineEdit::textChanged, this, &CStandardWizardName::updateButtons);
}

void CStandardWizardName::activate()
{
    wizard_.refreshNamesInUse();
    updateButtons();
}

void CStandardWizardName::updateButtons()
{
    // A name of blanks only, or one another standard has, would be a
    // standard nobody can tell apart in a list of standards.
    const QString name = name_->text().trimmed();
    const QString taken = name.isEmpty() ? QString() : wizard_.nameRefusal(name);
    reason_->setText(taken);
    setButtons(name.isEmpty() || !taken.isEmpty() ? WizardButton::None : WizardButton::Next);
}

int CStandardWizardName::onNext()
{
    // Another program may have saved a standard of this name since the page came up.
    wizard_.refreshNamesInUse();
    updateButtons();
    if (!wizard_.nameRefusal(name_->text().trimmed()).isEmpty())
        return kStay;
    wizard_.setStandardName(name_->text().trimmed());
    return kFollowOrder;
}
