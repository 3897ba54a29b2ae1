#pragma once

#include "standards/StandardKey.h"
#include "wizards/CKavWizardPage.h"

#include <vector>

class QComboBox;
class QListWidget;

// Standard Selection (CLinkWizardPage1): every standard of the catalogue once (built-in and
// custom), with the wavelengths and fiber types the chosen one covers shown
// beside it.
class CLinkWizardStandardPage : public CKavWizardPage
{
    Q_OBJECT

public:
    explicit CLinkWizardStandardPage(CLossWizard& wizard);

    void activate() override;
    int onNext() override;

private:
    void fillStandards();
    void standardChosen();
    std::optional<StandardKey> selectedKey() const;

    QComboBox* standards_ = nullptr;     // c1149
    QListWidget* wavelengths_ = nullptr; // c1151
    QListWidget* fiberTypes_ = nullptr;  // c1153
    std::vector<StandardKey> keys_;      // the combo's item data indexes these
    bool filled_ = false;
};
