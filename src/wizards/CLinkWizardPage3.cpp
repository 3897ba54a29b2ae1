#include "wizards/CLinkWizardPage3.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "standards/FiberTypes.h"
#include "standards/StandardsCatalog.h"
#include "wizards/CLossWizard.h"
#include "wizards/SortedCombo.h"

#include <QComboBox>
#include <QVBoxLayout>

#include <array>

CLinkWizardPage3::CLinkWizardPage3(CLossWizard& wizard)
    : CKavWizardPage(Strings::loadString(StringId::WizardFiberTypeSelectionCaption), wizard)
{
    fiberTypes_ = new QComboBox(this);
    fiberTypes_->setObjectName(QStringLiteral("c1152"));
    fiberTypes_->setMinimumContentsLength(20);
    fiberTypes_->setAccessibleName(Strings::loadString(StringId::ViewCaptionCableType));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fiberTypes_);
    layout->addStretch(1);
    connect(fiberTypes_, &QComboBox::activated, this,
            [this] { setButtonsFor(fiberTypes_->currentIndex() >= 0); });
}

void CLinkWizardPage3::activate()
{
    const QString remembered = fiberTypes_->currentText();
    fiberTypes_->clear();
    std::array<bool, kFiberTypeCount> offered{};
    if (const auto& key = wizard().standardKey()) {
        CatalogPosition position;
        StandardEntry entry;
        while (wizard().catalog().findNext(*key, position, entry)) {
            if (entry.fiberType < kFiberTypeCount)
                offered[entry.fiberType] = true;
        }
    }
    for (unsigned code = 0; code < kFiberTypeCount; ++code) {
        if (offered[code])
            insertSorted(*fiberTypes_, fiberTypeShortName(code), code);
    }
    fiberTypes_->setCurrentIndex(remembered.isEmpty() ? -1 : fiberTypes_->findText(remembered));
    setButtonsFor(fiberTypes_->currentIndex() >= 0);
}

int CLinkWizardPage3::onNext()
{
    const int index = fiberTypes_->currentIndex();
    wizard().setFiberType(index < 0 ? StandardKey::kAnyFiberType
                                    : static_cast<std::uint8_t>(fiberTypes_->itemData(index).toUInt()));
    return kFollowOrder;
}
