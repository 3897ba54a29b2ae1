#pragma once

#include "wizards/CKavWizardPage.h"

class CLinkWizard;
class QComboBox;

// Company Selection (CLinkWizardPage6): the organisation that certifies the link, chosen from
// the list or made with New Organization.
class CLinkWizardCompanyPage : public CKavWizardPage
{
    Q_OBJECT

public:
    explicit CLinkWizardCompanyPage(CLinkWizard& wizard);

    void activate() override;
    int onNext() override;

private:
    void fill();
    void newOrganisation();

    CLinkWizard& link_;
    QComboBox* companies_ = nullptr; // c1154
    int remembered_ = -1;            // an organisation made here, selected on filling
};
