#pragma once

#include "wizards/WizardPage.h"

#include <QString>

#include <array>

class CStandardWizard;
class QCheckBox;
class QLabel;
class QLineEdit;

// The allowances of the wavelength being defined: attenuation per km, loss
// per connector pair and per splice, each only when ticked and then more
// than 0. The last page of each wavelength: it commits the wavelength.
class CStandardWizardAttenuation : public WizardPage
{
    Q_OBJECT

public:
    explicit CStandardWizardAttenuation(CStandardWizard& wizard);

    void activate() override;
    int onNext() override;
    bool onFinish() override;
    // The next wavelength starts with nothing ticked.
    void clearChecksNextTime() { clearChecks_ = true; }

private:
    void checksChanged();
    void updateButtons();
    bool isValid() const;
    // Every ticked allowance has a value above 0.
    bool ticksHaveValues() const;
    // The allowance typed; 0 when its box is not ticked.
    float allowance(std::size_t i) const;
    // Why the wavelength's row with these allowances cannot be saved (a
    // value beyond what a real link has, or no loss allowed at all); empty
    // when it can.
    QString rowRefusal() const;
    void storeAndCommit();

    CStandardWizard& wizard_;
    QLabel* subject_ = nullptr;          // c1164
    std::array<QCheckBox*, 3> checks_{}; // c1167 attenuation, c1168 connector, c1169 splice
    std::array<QLineEdit*, 3> values_{}; // c1055, c1056, c1057
    QLabel* reason_ = nullptr;
    bool clearChecks_ = true;
};
