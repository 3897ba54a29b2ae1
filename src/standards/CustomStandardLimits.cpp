#include "standards/CustomStandardLimits.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "standards/FiberTypes.h"

namespace CustomStandardLimits {

namespace {

struct Bound
{
    int name;
    double limit;
    double shownPerUnit; // the value shown is value / shownPerUnit
    const char* unit;
};

Bound boundOf(Quantity quantity)
{
    using namespace StringId;
    switch (quantity) {
    case Quantity::MaxDistance:
        // Stored in metres, asked for and shown in km.
        return {CustomStandardQuantityMaxLength, kMaxDistanceMetres, 1000.0, "km"};
    case Quantity::MaxLoss:
        return {CustomStandardQuantityMaxLoss, kMaxLossDb, 1.0, "dB"};
    case Quantity::Attenuation:
        return {CustomStandardQuantityAttenuation, kMaxAttenuationDbPerKm, 1.0, "dB/km"};
    case Quantity::ConnectorLoss:
        return {CustomStandardQuantityConnectorLoss, kMaxJointLossDb, 1.0, "dB"};
    case Quantity::SpliceLoss:
        return {CustomStandardQuantitySpliceLoss, kMaxJointLossDb, 1.0, "dB"};
    }
    return {CustomStandardQuantityMaxLoss, kMaxLossDb, 1.0, "dB"};
}

QString withUnit(double value, const char* unit)
{
    return QString::number(value, 'g', 6) + QLatin1Char(' ') + QLatin1String(unit);
}

} // namespace

QString valueRefusal(Quantity quantity, double value, unsigned fiberType, const QString& wavelength)
{
    const Bound bound = boundOf(quantity);
    if (!(value > bound.limit))
        return QString();
    return Strings::formatMessage(Strings::loadString(StringId::CustomStandardValueTooLarge),
                                  {fiberTypeLongName(fiberType), wavelength, Strings::loadString(bound.name),
                                   withUnit(value / bound.shownPerUnit, bound.unit),
                                   withUnit(bound.limit / bound.shownPerUnit, bound.unit)});
}

bool allowsSomeLoss(const StandardEntry& entry)
{
    return entry.maxLoss > 0.0f || entry.attenuation > 0.0f || entry.connectorLoss > 0.0f;
}

QString entryRefusal(const StandardEntry& entry)
{
    const struct
    {
        Quantity quantity;
        float value;
    } values[] = {{Quantity::MaxDistance, entry.maxDistance},
                  {Quantity::MaxLoss, entry.maxLoss},
                  {Quantity::Attenuation, entry.attenuation},
                  {Quantity::ConnectorLoss, entry.connectorLoss},
                  {Quantity::SpliceLoss, entry.spliceLoss}};
    for (const auto& v : values) {
        const QString refusal = valueRefusal(v.quantity, v.value, entry.fiberType, entry.wavelength);
        if (!refusal.isEmpty())
            return refusal;
    }
    if (!allowsSomeLoss(entry))
        return Strings::formatMessage(Strings::loadString(StringId::CustomStandardAllowsNoLoss),
                                      {fiberTypeLongName(entry.fiberType), entry.wavelength});
    return QString();
}

} // namespace CustomStandardLimits
