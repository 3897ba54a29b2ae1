#pragma once

#include "wizards/CKavWizardPage.h"

class QButtonGroup;
class QLineEdit;

// Length (CLinkWizardPage4): the link's length in feet, meters, kilometers or miles. Switching
// the unit keeps the length and shows it in the new unit; the wizard keeps
// kilometres.
class CLinkWizardLengthPage : public CKavWizardPage
{
    Q_OBJECT

public:
    enum Unit
    {
        NoUnit = -1,
        Feet = 0,
        Meters = 1,
        Kilometers = 2,
        Miles = 3
    };

    explicit CLinkWizardLengthPage(CLossWizard& wizard);

    void activate() override;
    int onNext() override;

    // Kilometres in one of the unit; the mile is the one the original
    // program used, 1.609347 km.
    static double kilometresPer(Unit unit);
    double lengthKm() const { return lengthKm_; }

private:
    void textChanged();
    void unitClicked(int unit);

    QLineEdit* length_ = nullptr; // c1055
    QButtonGroup* units_ = nullptr;
    Unit unit_ = NoUnit;
    double lengthKm_ = 0;
};
