#pragma once

#include "wizards/CKavWizardPage.h"

class QLineEdit;

// Connectors and Splices (CLinkWizardPage5): whole numbers, as many as the link's columns hold.
class CLinkWizardCountsPage : public CKavWizardPage
{
    Q_OBJECT

public:
    static constexpr int kMaxCount = 32767;

    explicit CLinkWizardCountsPage(CLossWizard& wizard);

    void activate() override;
    int onNext() override;

private:
    bool readCount(QLineEdit& edit, int& count);

    QLineEdit* connectors_ = nullptr; // c1153
    QLineEdit* splices_ = nullptr;    // c1057
};
