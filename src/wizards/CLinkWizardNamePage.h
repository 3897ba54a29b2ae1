#pragma once

#include "wizards/CKavWizardPage.h"

class CLinkWizard;
class QLineEdit;

// Name (CLinkWizardPage2): the link's name, the last page of the Link Wizard.
class CLinkWizardNamePage : public CKavWizardPage
{
    Q_OBJECT

public:
    static constexpr int kMaxNameLength = 50;

    explicit CLinkWizardNamePage(CLinkWizard& wizard);

    void activate() override;
    bool onFinish() override;

private:
    CLinkWizard& link_;
    QLineEdit* name_ = nullptr; // c1055
};
