#pragma once

#include "standards/LossSummary.h"
#include "wizards/CKavWizardPage.h"

class QLabel;
class QTreeWidget;

// The Loss Wizard's last page: the link as entered and, for every
// wavelength the standard covers for the fiber type, the maximum allowed
// loss; worked out again each time the page is shown, and printable.
class CLossWizardSummary : public CKavWizardPage
{
    Q_OBJECT

public:
    explicit CLossWizardSummary(CLossWizard& wizard);

    void activate() override;

private:
    void compute();
    void print();

    QLabel* length_ = nullptr;      // c1010
    QLabel* connectors_ = nullptr;  // c1012
    QLabel* splices_ = nullptr;     // c1013
    QLabel* cableType_ = nullptr;   // c1014
    QLabel* standard_ = nullptr;    // c1149
    QTreeWidget* losses_ = nullptr; // c1158
    LossSummary summary_;
};
