#include "wizards/WizardPage.h"

#include "wizards/WizardSheet.h"

WizardPage::WizardPage(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {}

void WizardPage::setButtons(int buttons)
{
    if (sheet_)
        sheet_->setButtons(buttons);
}
