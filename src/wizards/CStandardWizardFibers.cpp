#include "wizards/CStandardWizardFibers.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "wizards/CStandardWizard.h"
#include "wizards/WizardButtons.h"
#include "wizards/WizardLabels.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

CStandardWizardFibers::CStandardWizardFibers(CStandardWizard& wizard)
    : WizardPage(Strings::loadString(StringId::StandardWizardCaption)), wizard_(wizard)
{
    auto* layout = new QVBoxLayout(this);
    auto* question = questionLabel(Strings::loadString(StringId::StandardWizardFibersQuestion), this);
    layout->addWidget(question);
    // In the order the dialog shows them, which is not the codes' order.
    const struct
    {
        int code;
        const char* name;
        int text;
    } boxes[] = {{1, "c1159", StringId::StandardWizardFiber50},
                 {0, "c1160", StringId::StandardWizardFiber62},
                 {2, "c1162", StringId::StandardWizardFiberIndoor},
                 {3, "c1163", StringId::StandardWizardFiberOutdoor}};
    for (const auto& box : boxes) {
        auto* check = new QCheckBox(Strings::loadString(box.text), this);
        check->setObjectName(QLatin1String(box.name));
        boxes_.at(box.code) = check;
        layout->addWidget(check);
        connect(check, &QCheckBox::toggled, this, &CStandardWizardFibers::updateButtons);
    }
    layout->addStretch(1);
}

void CStandardWizardFibers::activate()
{
    updateButtons();
}

void CStandardWizardFibers::updateButtons()
{
    bool any = false;
    for (const QCheckBox* box : boxes_)
        any = any || box->isChecked();
    setButtons(WizardButton::Back | (any ? WizardButton::Next : WizardButton::None));
}

int CStandardWizardFibers::onNext()
{
    std::array<bool, 4> covered{};
    for (size_t code = 0; code < boxes_.size(); ++code)
        covered.at(code) = boxes_.at(code)->isChecked();
    wizard_.setFiberTypesCovered(covered);
    return kFollowOrder;
}
