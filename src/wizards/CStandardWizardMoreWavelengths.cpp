#include "wizards/CStandardWizardMoreWavelengths.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "wizards/CStandardWizard.h"
#include "wizards/WizardButtons.h"
#include "wizards/WizardLabels.h"
#include "wizards/WizardNumbers.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString wavelengthItem(int nanometres)
{
    return QStringLiteral("%1 nm").arg(nanometres);
}

} // namespace

CStandardWizardMoreWavelengths::CStandardWizardMoreWavelengths(CStandardWizard& wizard)
    : WizardPage(Strings::loadString(StringId::StandardWizardCaption)), wizard_(wizard)
{
    auto* question =
        questionLabel(Strings::loadString(StringId::StandardWizardMoreWavelengthsQuestion), this);
    fiberType_ = subjectLabel("c1152", this);

    yes_ = new QRadioButton(Strings::loadString(StringId::StandardWizardYes), this);
    yes_->setObjectName(QStringLiteral("c1160"));
    no_ = new QRadioButton(Strings::loadString(StringId::StandardWizardNo), this);
    no_->setObjectName(QStringLiteral("c1161"));
    answer_ = new QButtonGroup(this);
    answer_->addButton(yes_, Yes);
    answer_->addButton(no_, No);

    wavelength_ = new QComboBox(this);
    wavelength_->setObjectName(QStringLiteral("c1163"));
    wavelength_->setEditable(true);
    wavelength_->setInsertPolicy(QComboBox::NoInsert);
    wavelength_->setAccessibleName(Strings::loadString(StringId::WizardWavelengthColumn));

    defined_ = new QListWidget(this);
    defined_->setObjectName(QStringLiteral("c1162"));
    defined_->setSelectionMode(QAbstractItemView::NoSelection);
    defined_->setAccessibleName(Strings::loadString(StringId::StandardWizardCurrentWavelengths));
    auto* definedGroup = new QGroupBox(Strings::loadString(StringId::StandardWizardCurrentWavelengths), this);
    auto* definedLayout = new QVBoxLayout(definedGroup);
    definedLayout->addWidget(defined_);

    auto* choices = new QVBoxLayout;
    choices->addWidget(yes_);
    choices->addWidget(wavelength_);
    choices->addWidget(no_);
    choices->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addLayout(choices, 1);
    row->addWidget(definedGroup, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(fiberType_);
    layout->addLayout(row, 1);
    reason_ = reasonLabel(this);
    layout->addWidget(reason_);

    connect(answer_, &QButtonGroup::idClicked, this, &CStandardWizardMoreWavelengths::refillWavelengths);
    connect(wavelength_, &QComboBox::activated, this, &CStandardWizardMoreWavelengths::updateButtons);
    connect(wavelength_, &QComboBox::editTextChanged, this, &CStandardWizardMoreWavelengths::updateButtons);
}

CStandardWizardMoreWavelengths::Choice CStandardWizardMoreWavelengths::choice() const
{
    return static_cast<Choice>(answer_->checkedId());
}

void CStandardWizardMoreWavelengths::setChoice(Choice choice)
{
    if (choice == NoChoice) {
        // An exclusive group never lets its last checked button go.
        answer_->setExclusive(false);
        yes_->setChecked(false);
        no_->setChecked(false);
        answer_->setExclusive(true);
        return;
    }
    answer_->button(choice)->setChecked(true);
}

void CStandardWizardMoreWavelengths::activate()
{
    defined_->clear();
    fiberType_->setText(wizard_.currentFiberTypeName());
    const std::vector<int> defined = wizard_.definedWavelengths();
    for (int nanometres : defined)
        defined_->addItem(wavelengthItem(nanometres));
    // No is for a type that has a wavelength already: a type is never left
    // without one. A No kept from the last type cannot stand for this one.
    no_->setEnabled(!defined.empty());
    if (defined.empty() && choice() == No)
        setChoice(NoChoice);
    refillWavelengths();
}

void CStandardWizardMoreWavelengths::refillWavelengths()
{
    wavelength_->clear();
    const bool takesWavelength = choice() != No;
    wavelength_->setEnabled(takesWavelength);
    if (takesWavelength) {
        for (int nanometres : wizard_.remainingWavelengths())
            wavelength_->addItem(wavelengthItem(nanometres));
        wavelength_->setCurrentIndex(wavelength_->count() > 0 ? 0 : -1);
    }
    updateButtons();
}

int CStandardWizardMoreWavelengths::chosenWavelength(QString* why) const
{
    const QString typed = wavelength_->currentText().trimmed();
    const int nanometres = WizardNumbers::leadingInteger(typed);
    if (nanometres < 1 || nanometres > CStandardWizard::kMaxWavelength) {
        if (why && !typed.isEmpty())
            *why = Strings::formatMessage(Strings::loadString(StringId::CustomStandardBadWavelength),
                                          {typed, wizard_.currentFiberTypeName()});
        return 0;
    }
    const std::vector<int> defined = wizard_.definedWavelengths();
    if (std::find(defined.begin(), defined.end(), nanometres) != defined.end()) {
        if (why)
            *why = Strings::formatMessage(Strings::loadString(StringId::StandardWizardWavelengthDefined),
                                          {QString::number(nanometres), wizard_.currentFiberTypeName()});
        return 0;
    }
    return nanometres;
}

void CStandardWizardMoreWavelengths::updateButtons()
{
    QString why;
    switch (choice()) {
    case NoChoice:
        setButtons(WizardButton::None);
        break;
    case Yes:
        setButtons(chosenWavelength(&why) > 0 ? WizardButton::Next : WizardButton::None);
        break;
    case No:
        setButtons(wizard_.hasFurtherFiberType() ? WizardButton::Next : WizardButton::Finish);
        break;
    }
    reason_->setText(why);
}

int CStandardWizardMoreWavelengths::onNext()
{
    if (choice() == Yes) {
        const int nanometres = chosenWavelength();
        if (nanometres <= 0)
            return kStay;
        wizard_.setCurrentWavelength(nanometres);
        return CStandardWizard::MaxLengthPage;
    }
    if (choice() != No || !wizard_.hasFurtherFiberType())
        return kStay;
    wizard_.advanceFiberType();
    return CStandardWizard::MoreWavelengthsPage;
}

bool CStandardWizardMoreWavelengths::onFinish()
{
    return wizard_.save();
}
