#pragma once

#include "wizards/WizardPage.h"

class CLossWizard;

// A page of the Loss and Link Wizards. Its buttons follow from where it
// stands and whether its input is complete: Back unless it is the first
// page; Finish on the last page and Next on the others once the input is
// complete; before that a Finish that cannot be pressed on the last page,
// and no forward button on the others.
class CKavWizardPage : public WizardPage
{
    Q_OBJECT

public:
    CKavWizardPage(const QString& caption, CLossWizard& wizard);

    bool isFirst() const { return isFirst_; }
    bool isLast() const { return isLast_; }
    void setPlace(bool isFirst, bool isLast);

protected:
    void setButtonsFor(bool complete);
    CLossWizard& wizard() const { return wizard_; }

private:
    CLossWizard& wizard_;
    bool isFirst_ = true;
    bool isLast_ = true;
};
