#pragma once

#include "wizards/WizardPage.h"

class CStandardWizard;
class QLabel;
class QLineEdit;

// The standard's name, as long as its column holds.
class CStandardWizardName : public WizardPage
{
    Q_OBJECT

public:
    explicit CStandardWizardName(CStandardWizard& wizard);

    void activate() override;
    int onNext() override;

private:
    void updateButtons();

    CStandardWizard& wizard_;
    QLineEdit* name_ = nullptr; // c1055
    QLabel* reason_ = nullptr;
};
