#include "wizards/CLinkWizardPage4.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "document/LinkData.h"
#include "standards/PlausibleValues.h"
#include "wizards/CLossWizard.h"
#include "wizards/WizardNumbers.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CLinkWizardPage4::CLinkWizardPage4(CLossWizard& wizard)
    : CKavWizardPage(Strings::loadString(StringId::WizardLengthCaption), wizard)
{
    length_ = new QLineEdit(this);
    length_->setObjectName(QStringLiteral("c1055"));
    length_->setAccessibleName(Strings::loadString(StringId::WizardLinkLengthName));
    units_ = new QButtonGroup(this);
    auto* unitRow = new QHBoxLayout;
    const struct
    {
        int id;
        const char* name;
        int text;
    } buttons[] = {{Feet, "c1170", StringId::WizardUnitFeet},
                   {Meters, "c1171", StringId::WizardUnitMeters},
                   {Kilometers, "c1172", StringId::WizardUnitKilometers},
                   {Miles, "c1173", StringId::WizardUnitMiles}};
    for (const auto& button : buttons) {
        auto* radio = new QRadioButton(Strings::loadString(button.text), this);
        radio->setObjectName(QLatin1String(button.name));
        units_->addButton(radio, button.id);
        unitRow->addWidget(radio);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(length_);
    layout->addLayout(unitRow);
    layout->addStretch(1);

    connect(length_, &QLineEdit::textEdited, this, &CLinkWizardPage4::textChanged);
    connect(units_, &QButtonGroup::idClicked, this, &CLinkWizardPage4::unitClicked);
}

double CLinkWizardPage4::kilometresPer(Unit unit)
{
    switch (unit) {
    case Feet:
        return 0.3048 * 0.001;
    case Meters:
        return 0.001;
    case Kilometers:
        return 1;
    case Miles:
        return 1.609347;
    case NoUnit:
        break;
    }
    return 0;
}

void CLinkWizardPage4::activate()
{
    setButtonsFor(unit_ != NoUnit);
}

// While the user types, the text may be no number for a moment ("", "-",
// "."): the length is worked out silently, and only Next complains.
void CLinkWizardPage4::textChanged()
{
    const std::optional<double> value = WizardNumbers::parseDecimal(length_->text());
    lengthKm_ = value ? *value * kilometresPer(unit_) : 0;
}

void CLinkWizardPage4::unitClicked(int unit)
{
    const Unit previous = unit_;
    unit_ = static_cast<Unit>(unit);
    if (previous == NoUnit) {
        textChanged();
        setButtonsFor(true);
        return;
    }
    const double value = unit_ == Kilometers ? lengthKm_ : lengthKm_ / kilometresPer(unit_);
    length_->setText(WizardNumbers::formatDecimal(value));
}

int CLinkWizardPage4::onNext()
{
    const std::optional<double> value = WizardNumbers::parseDecimal(length_->text());
    if (!value) {
        wizard().prompt().message(Strings::loadString(StringId::PleaseEnterNumber),
                                  Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
        length_->setFocus();
        length_->selectAll();
        return kStay;
    }
    if (*value < 0) {
        wizard().prompt().message(Strings::loadString(StringId::WizardNegativeLength),
                                  Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
        length_->setFocus();
        length_->selectAll();
        return kStay;
    }
    // What the user typed last, or the length kept through a change of unit
    // (3280.84 ft shown for 1 km still means 1 km). A length no link has
    // would give every fiber an allowance beyond any loss.
    if (!PlausibleValues::isLinkLengthKm(lengthKm_)) {
        wizard().prompt().message(linkLengthRangeMessage(), Strings::loadString(StringId::AppTitle),
                                  PromptIcon::Exclamation);
        length_->setFocus();
        length_->selectAll();
        return kStay;
    }
    wizard().setLengthKm(static_cast<float>(lengthKm_));
    return kFollowOrder;
}
