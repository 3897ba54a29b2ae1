#include "database/CKAVSiteSet2.h"

void CKAVSiteSet2::doFieldExchange(FieldExchange& fx)
{
    exchangeLinkFields(fx);
    fx.int16("Wizard", wizard);
    fx.int16("Standard", standard);
    fx.guid("CustomStandardID", customStandardId);
    for (int slot = 0; slot < kSlotCount; ++slot)
        fx.single(slotColumns(slot).referenceColumn, references[static_cast<std::size_t>(slot)]);
    for (int slot = 0; slot < kSlotCount; ++slot)
        fx.text(slotColumns(slot).wavelengthColumn, wavelengths[static_cast<std::size_t>(slot)]);
}

void CKAVSiteSet2::afterLoad()
{
    for (QString& name : wavelengths) {
        qsizetype end = name.size();
        while (end > 0 && name.at(end - 1) == QLatin1Char(' '))
            --end;
        name.truncate(end);
    }
}

void CKAVSiteSet2::copyFrom(const CKAVSiteSet2& other)
{
    static_cast<SiteLinkFields&>(*this) = other;
    wizard = other.wizard;
    standard = other.standard;
    customStandardId = other.customStandardId;
    references = other.references;
    wavelengths = other.wavelengths;
}
