#include "wizards/CKavWizardPage.h"

#include "wizards/CLossWizard.h"
#include "wizards/WizardButtons.h"

CKavWizardPage::CKavWizardPage(const QString& caption, CLossWizard& wizard)
    : WizardPage(caption), wizard_(wizard)
{
}

void CKavWizardPage::setPlace(bool isFirst, bool isLast)
{
    isFirst_ = isFirst;
    isLast_ = isLast;
}

void CKavWizardPage::setButtonsFor(bool complete)
{
    const int back = isFirst_ ? WizardButton::None : WizardButton::Back;
    int forward = WizardButton::None;
    if (complete)
        forward = isLast_ ? WizardButton::Finish : WizardButton::Next;
    else if (isLast_)
        forward = WizardButton::DisabledFinish;
    setButtons(back + forward);
}
