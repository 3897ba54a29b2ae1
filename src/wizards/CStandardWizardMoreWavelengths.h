#pragma once

#include "wizards/WizardPage.h"

class CStandardWizard;
class QButtonGroup;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;

// Whether the current fiber type has a further wavelength and which: one of
// the usual ones still open, or any typed in. Shown again for every
// wavelength and every covered fiber type; the Yes or No chosen stays from
// one showing to the next.
class CStandardWizardMoreWavelengths : public WizardPage
{
    Q_OBJECT

public:
    enum Choice
    {
        NoChoice = -1,
        Yes = 0,
        No = 1
    };

    explicit CStandardWizardMoreWavelengths(CStandardWizard& wizard);

    void activate() override;
    int onNext() override;
    bool onFinish() override;

private:
    Choice choice() const;
    void setChoice(Choice choice);
    void refillWavelengths();
    void updateButtons();
    // The wavelength the combo names, 0 when it names none the type can
    // take; then `why` (when given) says why, empty while nothing is typed.
    int chosenWavelength(QString* why = nullptr) const;

    CStandardWizard& wizard_;
    QLabel* fiberType_ = nullptr; // c1152
    QRadioButton* yes_ = nullptr; // c1160
    QRadioButton* no_ = nullptr;  // c1161
    QButtonGroup* answer_ = nullptr;
    QComboBox* wavelength_ = nullptr; // c1163
    QListWidget* defined_ = nullptr;  // c1162
    QLabel* reason_ = nullptr;
};
