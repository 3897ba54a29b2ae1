#include "wizards/CStandardWizard.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "database/CustomStandardSaver.h"
#include "standards/FiberTypes.h"
#include "standards/RecordId.h"
#include "wizards/CStandardWizardAttenuation.h"
#include "wizards/CStandardWizardFibers.h"
#include "wizards/CStandardWizardLimitPages.h"
#include "wizards/CStandardWizardMoreWavelengths.h"
#include "wizards/CStandardWizardName.h"

#include <algorithm>

CStandardWizard::CStandardWizard(const QString& caption, StandardsCatalog* catalog, UserPrompt& prompt,
                                 QWidget* parent)
    : WizardSheet(caption, parent), catalog_(catalog), prompt_(prompt)
{
    addPage(new CStandardWizardName(*this));
    addPage(new CStandardWizardFibers(*this));
    addPage(new CStandardWizardMoreWavelengths(*this));
    addPage(new CStandardWizardMaxLength(*this));
    addPage(new CStandardWizardMaxLoss(*this));
    addPage(new CStandardWizardAttenuation(*this));
}

void CStandardWizard::setFiberTypesCovered(const std::array<bool, 4>& covered)
{
    covered_ = covered;
    currentFiberType_ = -1;
    advanceFiberType();
}

void CStandardWizard::advanceFiberType()
{
    for (int type = currentFiberType_ + 1; type < kFiberTypeCount; ++type) {
        if (covered_.at(type)) {
            currentFiberType_ = type;
            return;
        }
    }
    currentFiberType_ = -1;
}

bool CStandardWizard::hasFurtherFiberType() const
{
    for (int type = currentFiberType_ + 1; type < kFiberTypeCount; ++type) {
        if (covered_.at(type))
            return true;
    }
    return false;
}

QString CStandardWizard::currentFiberTypeName() const
{
    return currentFiberType_ < 0 ? QString() : fiberTypeLongName(static_cast<unsigned>(currentFiberType_));
}

void CStandardWizard::setCurrentWavelength(int nanometres)
{
    currentWavelength_ = nanometres;
    currentWavelengthText_ = QStringLiteral("%1nm").arg(nanometres);
}

std::vector<int> CStandardWizard::definedWavelengths() const
{
    std::vector<int> wavelengths;
    if (currentFiberType_ < 0)
        return wavelengths;
    for (const StandardEntry& row : rows_.at(currentFiberType_))
        wavelengths.push_back(wavelengthNumber(row.wavelength));
    return wavelengths;
}

std::vector<int> CStandardWizard::remainingWavelengths() const
{
    if (currentFiberType_ < 0)
        return {};
    std::vector<int> remaining = isMultimodeFiberType(static_cast<unsigned>(currentFiberType_))
                                     ? std::vector<int>{850, 1300}
                                     : std::vector<int>{1310, 1550};
    const std::vector<int> defined = definedWavelengths();
    std::erase_if(remaining,
                  [&](int nm) { return std::find(defined.begin(), defined.end(), nm) != defined.end(); });
    return remaining;
}

bool CStandardWizard::furtherWavelengthRemains() const
{
    std::vector<int> remaining = remainingWavelengths();
    std::erase(remaining, currentWavelength_);
    return !remaining.empty();
}

void CStandardWizard::setAllowances(float attenuation, float connectorLoss, float spliceLoss)
{
    attenuation_ = attenuation;
    connectorLoss_ = connectorLoss;
    spliceLoss_ = spliceLoss;
}

StandardEntry CStandardWizard::pendingRow(float attenuation, float connectorLoss, float spliceLoss) const
{
    StandardEntry row;
    row.standardNumber = 0;
    row.standardName = standardName_;
    row.fiberType = static_cast<std::uint8_t>(std::max(0, currentFiberType_));
    row.wavelength = currentWavelengthText_;
    // "No maximum" is kept as 0 metres.
    row.maxDistance = std::max(0.0f, maxLengthKm_) * 1000.0f;
    row.maxLoss = maxLoss_;
    row.attenuation = attenuation;
    row.connectorLoss = connectorLoss;
    row.spliceLoss = spliceLoss;
    return row;
}

void CStandardWizard::commitRow()
{
    if (currentFiberType_ < 0)
        return;
    StandardEntry row = pendingRow(attenuation_, connectorLoss_, spliceLoss_);
    // Replaced by the standard's one id when it is saved.
    row.customStandardId = newRecordId();
    rows_.at(currentFiberType_).push_back(row);

    maxLengthKm_ = -1.0f;
    maxLoss_ = 0;
    attenuation_ = 0;
    connectorLoss_ = 0;
    spliceLoss_ = 0;
    if (auto* attenuation = qobject_cast<CStandardWizardAttenuation*>(page(AttenuationPage)))
        attenuation->clearChecksNextTime();
    for (int limit : {MaxLengthPage, MaxLossPage}) {
        if (auto* limitPage = qobject_cast<CStandardWizardLimitPage*>(page(limit)))
            limitPage->clearValue();
    }
}

QString CStandardWizard::nameRefusal(const QString& name) const
{
    return standardNameRefusal(name, namesInUse_);
}

void CStandardWizard::refreshNamesInUse()
{
    namesInUse_ = standardNamesInUse(catalog_);
}

bool CStandardWizard::save()
{
    std::vector<StandardEntry> rows;
    for (const std::vector<StandardEntry>& ofType : rows_)
        rows.insert(rows.end(), ofType.begin(), ofType.end());
    const SavedStandard saved = saveCustomStandard(standardName_, rows, catalog_);
    if (!saved.result) {
        prompt_.message(saved.result.message(), Strings::loadString(StringId::AppTitle),
                        PromptIcon::Exclamation);
        return false;
    }
    return true;
}
