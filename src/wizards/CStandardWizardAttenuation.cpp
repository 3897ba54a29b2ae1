#include "wizards/CStandardWizardAttenuation.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "standards/CustomStandardLimits.h"
#include "wizards/CStandardWizard.h"
#include "wizards/StandardWizardSubject.h"
#include "wizards/WizardButtons.h"
#include "wizards/WizardLabels.h"
#include "wizards/WizardNumbers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CStandardWizardAttenuation::CStandardWizardAttenuation(CStandardWizard& wizard)
    : WizardPage(Strings::loadString(StringId::StandardWizardCaption)), wizard_(wizard)
{
    auto* question = questionLabel(Strings::loadString(StringId::StandardWizardAllowancesQuestion), this);
    subject_ = subjectLabel("c1164", this);

    const struct
    {
        const char* checkName;
        int checkText;
        const char* editName;
        int unitText;
    } rows[] = {
        {"c1167", StringId::StandardWizardAttenuation, "c1055", StringId::StandardWizardUnitDbPerKm},
        {"c1168", StringId::StandardWizardConnectorLoss, "c1056", StringId::StandardWizardUnitDbPerConnector},
        {"c1169", StringId::StandardWizardSpliceLoss, "c1057", StringId::StandardWizardUnitDbPerSplice}};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        checks_.at(i) = new QCheckBox(Strings::loadString(rows[i].checkText), this);
        checks_.at(i)->setObjectName(QLatin1String(rows[i].checkName));
        values_.at(i) = new QLineEdit(this);
        values_.at(i)->setObjectName(QLatin1String(rows[i].editName));
        // Named by the check box beside it, for screen readers.
        values_.at(i)->setAccessibleName(checks_.at(i)->text().remove(QLatin1Char('&')));
        grid->addWidget(checks_.at(i), i, 0);
        grid->addWidget(values_.at(i), i, 1);
        grid->addWidget(new QLabel(Strings::loadString(rows[i].unitText), this), i, 2);
        connect(checks_.at(i), &QCheckBox::clicked, this, &CStandardWizardAttenuation::checksChanged);
        connect(values_.at(i), &QLineEdit::textChanged, this, &CStandardWizardAttenuation::updateButtons);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(subject_);
    layout->addLayout(grid);
    reason_ = reasonLabel(this);
    layout->addWidget(reason_);
    layout->addStretch(1);
}

void CStandardWizardAttenuation::activate()
{
    subject_->setText(standardWizardSubject(wizard_));
    if (clearChecks_) {
        clearChecks_ = false;
        for (QCheckBox* check : checks_)
            check->setChecked(false);
    }
    checksChanged();
}

void CStandardWizardAttenuation::checksChanged()
{
    for (size_t i = 0; i < checks_.size(); ++i) {
        values_.at(i)->setEnabled(checks_.at(i)->isChecked());
        if (!checks_.at(i)->isChecked())
            values_.at(i)->clear();
    }
    updateButtons();
}

bool CStandardWizardAttenuation::ticksHaveValues() const
{
    for (size_t i = 0; i < checks_.size(); ++i) {
        if (checks_.at(i)->isChecked() && WizardNumbers::leadingDecimal(values_.at(i)->text()) <= 0)
            return false;
    }
    return true;
}

float CStandardWizardAttenuation::allowance(std::size_t i) const
{
    return checks_.at(i)->isChecked()
               ? static_cast<float>(WizardNumbers::leadingDecimal(values_.at(i)->text()))
               : 0.0f;
}

QString CStandardWizardAttenuation::rowRefusal() const
{
    return CustomStandardLimits::entryRefusal(wizard_.pendingRow(allowance(0), allowance(1), allowance(2)));
}

bool CStandardWizardAttenuation::isValid() const
{
    return ticksHaveValues() && rowRefusal().isEmpty();
}

void CStandardWizardAttenuation::updateButtons()
{
    // A box ticked but not yet filled in needs no words; a row that cannot
    // be saved does.
    const bool filledIn = ticksHaveValues();
    const QString why = filledIn ? rowRefusal() : QString();
    reason_->setText(why);
    if (!filledIn || !why.isEmpty()) {
        setButtons(WizardButton::Back);
        return;
    }
    const bool more = wizard_.hasFurtherFiberType() || wizard_.furtherWavelengthRemains();
    setButtons(WizardButton::Back | (more ? WizardButton::Next : WizardButton::Finish));
}

void CStandardWizardAttenuation::storeAndCommit()
{
    wizard_.setAllowances(allowance(0), allowance(1), allowance(2));
    wizard_.commitRow();
}

int CStandardWizardAttenuation::onNext()
{
    if (!isValid())
        return kStay;
    const bool sameType = wizard_.furtherWavelengthRemains();
    storeAndCommit();
    if (!sameType)
        wizard_.advanceFiberType();
    return CStandardWizard::MoreWavelengthsPage;
}

bool CStandardWizardAttenuation::onFinish()
{
    if (!isValid())
        return false;
    storeAndCommit();
    if (wizard_.save())
        return true;
    // The wavelength stays defined; the user may try Finish again on the
    // wavelength page or cancel.
    wizard_.showPage(CStandardWizard::MoreWavelengthsPage);
    return false;
}
