#include "wizards/CStandardWizardName.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "wizards/CStandardWizard.h"
#include "wizards/WizardButtons.h"

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
    layout->addWidget(new QLabel(Strings::loadString(StringId::StandardWizardNameQuestion), this));
    layout->addWidget(name_);
    layout->addStretch(1);
    connect(name_, &QLineEdit::textChanged, this, &CStandardWizardName::updateButtons);
}

void CStandardWizardName::activate()
{
    updateButtons();
}

void CStandardWizardName::updateButtons()
{
    // A name of blanks only would be a standard nobody can tell apart.
    setButtons(name_->text().trimmed().isEmpty() ? WizardButton::None : WizardButton::Next);
}

int CStandardWizardName::onNext()
{
    wizard_.setStandardName(name_->text().trimmed());
    return kFollowOrder;
}
