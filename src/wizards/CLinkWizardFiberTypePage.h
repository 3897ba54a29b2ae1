#pragma once

#include "wizards/CKavWizardPage.h"

class QComboBox;

// Fiber Type Selection (CLinkWizardPage3): the fiber types the chosen standard has entries
// for, rebuilt each time the page is shown because the standard may have
// changed; the earlier choice stays when it is still offered.
class CLinkWizardFiberTypePage : public CKavWizardPage
{
    Q_OBJECT

public:
    explicit CLinkWizardFiberTypePage(CLossWizard& wizard);

    void activate() override;
    int onNext() override;

private:
    QComboBox* fiberTypes_ = nullptr; // c1152
};
