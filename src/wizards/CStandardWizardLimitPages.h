#pragma once

#include "wizards/WizardPage.h"

#include <QString>

class CStandardWizard;
class QLabel;
class QLineEdit;
class QRadioButton;

// A yes-or-no limit of the wavelength being defined, with its value when
// Yes: the maximum length (km) and the maximum loss (dB). Each showing starts
// at No.
class CStandardWizardLimitPage : public WizardPage
{
    Q_OBJECT

public:
    void activate() override;
    int onNext() override;
    // The next wavelength starts with an empty value.
    void clearValue();

protected:
    CStandardWizardLimitPage(CStandardWizard& wizard, int questionId, const char* editName, int unitId);
    CStandardWizard& wizard() const { return wizard_; }
    // Stores the limit: 0 for none.
    virtual void store(float value) = 0;
    // Why the value typed cannot be the limit; empty when it can.
    virtual QString refusal(double value) const = 0;

private:
    void answerChanged();
    void updateButtons();

    CStandardWizard& wizard_;
    QLabel* subject_ = nullptr;   // c1164
    QRadioButton* yes_ = nullptr; // c1165
    QRadioButton* no_ = nullptr;  // c1166
    QLineEdit* value_ = nullptr;
    QLabel* reason_ = nullptr;
};

class CStandardWizardMaxLength : public CStandardWizardLimitPage
{
    Q_OBJECT

public:
    explicit CStandardWizardMaxLength(CStandardWizard& wizard);

protected:
    void store(float value) override;
    QString refusal(double km) const override;
};

class CStandardWizardMaxLoss : public CStandardWizardLimitPage
{
    Q_OBJECT

public:
    explicit CStandardWizardMaxLoss(CStandardWizard& wizard);

protected:
    void store(float value) override;
    QString refusal(double db) const override;
};
