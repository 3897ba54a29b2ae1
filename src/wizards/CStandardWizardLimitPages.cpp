#include "wizards/CStandardWizardLimitPages.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "standards/CustomStandardLimits.h"
#include "wizards/CStandardWizard.h"
#include "wizards/StandardWizardSubject.h"
#include "wizards/WizardButtons.h"
#include "wizards/WizardLabels.h"
#include "wizards/WizardNumbers.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CStandardWizardLimitPage::CStandardWizardLimitPage(CStandardWizard& wizard, int questionId,
                                                   const char* editName, int unitId)
    : WizardPage(Strings::loadString(StringId::StandardWizardCaption)), wizard_(wizard)
{
    auto* question = questionLabel(Strings::loadString(questionId), this);
    subject_ = subjectLabel("c1164", this);
    yes_ = new QRadioButton(Strings::loadString(StringId::StandardWizardYes), this);
    yes_->setObjectName(QStringLiteral("c1165"));
    no_ = new QRadioButton(Strings::loadString(StringId::StandardWizardNo), this);
    no_->setObjectName(QStringLiteral("c1166"));
    auto* answer = new QButtonGroup(this);
    answer->addButton(yes_);
    answer->addButton(no_);
    value_ = new QLineEdit(this);
    value_->setObjectName(QLatin1String(editName));
    // Named by the page's question, for screen readers.
    value_->setAccessibleName(question->text());

    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(yes_);
    valueRow->addWidget(value_);
    valueRow->addWidget(new QLabel(Strings::loadString(unitId), this));
    valueRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(subject_);
    layout->addLayout(valueRow);
    layout->addWidget(no_);
    reason_ = reasonLabel(this);
    layout->addWidget(reason_);
    layout->addStretch(1);

    connect(answer, &QButtonGroup::buttonClicked, this, &CStandardWizardLimitPage::answerChanged);
    connect(value_, &QLineEdit::textChanged, this, &CStandardWizardLimitPage::updateButtons);
}

void CStandardWizardLimitPage::activate()
{
    subject_->setText(standardWizardSubject(wizard_));
    no_->setChecked(true);
    answerChanged();
}

void CStandardWizardLimitPage::answerChanged()
{
    value_->setEnabled(yes_->isChecked());
    if (!yes_->isChecked())
        value_->clear();
    updateButtons();
}

void CStandardWizardLimitPage::updateButtons()
{
    const double value = WizardNumbers::leadingDecimal(value_->text());
    const QString why = yes_->isChecked() && value > 0 ? refusal(value) : QString();
    reason_->setText(why);
    const bool complete = no_->isChecked() || (value > 0 && why.isEmpty());
    setButtons(WizardButton::Back | (complete ? WizardButton::Next : WizardButton::None));
}

int CStandardWizardLimitPage::onNext()
{
    store(yes_->isChecked() ? static_cast<float>(WizardNumbers::leadingDecimal(value_->text())) : 0.0f);
    return kFollowOrder;
}

void CStandardWizardLimitPage::clearValue()
{
    value_->clear();
}

CStandardWizardMaxLength::CStandardWizardMaxLength(CStandardWizard& wizard)
    : CStandardWizardLimitPage(wizard, StringId::StandardWizardMaxLengthQuestion, "c1169",
                               StringId::StandardWizardUnitKm)
{
}

void CStandardWizardMaxLength::store(float value)
{
    wizard().setMaxLengthKm(value);
}

QString CStandardWizardMaxLength::refusal(double km) const
{
    return CustomStandardLimits::valueRefusal(CustomStandardLimits::Quantity::MaxDistance, km * 1000.0,
                                              static_cast<unsigned>(wizard().currentFiberType()),
                                              wizard().currentWavelengthText());
}

CStandardWizardMaxLoss::CStandardWizardMaxLoss(CStandardWizard& wizard)
    : CStandardWizardLimitPage(wizard, StringId::StandardWizardMaxLossQuestion, "c1168",
                               StringId::StandardWizardUnitDb)
{
}

void CStandardWizardMaxLoss::store(float value)
{
    wizard().setMaxLoss(value);
}

QString CStandardWizardMaxLoss::refusal(double db) const
{
    return CustomStandardLimits::valueRefusal(CustomStandardLimits::Quantity::MaxLoss, db,
                                              static_cast<unsigned>(wizard().currentFiberType()),
                                              wizard().currentWavelengthText());
}
