#pragma once

#include "wizards/WizardPage.h"

#include <array>

class CStandardWizard;
class QCheckBox;

// The fiber types the standard covers.
class CStandardWizardFibers : public WizardPage
{
    Q_OBJECT

public:
    explicit CStandardWizardFibers(CStandardWizard& wizard);

    void activate() override;
    int onNext() override;

private:
    void updateButtons();

    CStandardWizard& wizard_;
    std::array<QCheckBox*, 4> boxes_{}; // by fiber type code
};
