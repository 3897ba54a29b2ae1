#include "standards/FiberTypes.h"

#include <array>

namespace {

const std::array<const char*, kFiberTypeCount> kShortNames = {"62.5uM MM", "50.0uM MM", "INDOOR SM",
                                                              "OUTDOOR SM"};
const std::array<const char*, kFiberTypeCount> kLongNames = {"62.5uM Multimode", "50.0uM Multimode",
                                                             "Indoor Singlemode", "Outdoor Singlemode"};

const std::array<SlotColumns, kSlotCount> kSlotColumns = {{
    {"850Reference", "850Power", "Wavelength1"},
    {"980Reference", "980Power", "Wavelength2"},
    {"1300Reference", "1300Power", "Wavelength3"},
    {"1480Reference", "1480Power", "Wavelength4"},
    {"1550Reference", "1550Power", "Wavelength5"},
}};

} // namespace

QString fiberTypeShortName(unsigned code)
{
    return QString::fromLatin1(kShortNames[code & 3u]);
}

QString fiberTypeLongName(unsigned code)
{
    return QString::fromLatin1(kLongNames[code & 3u]);
}

bool isMultimodeFiberType(unsigned code)
{
    return (code & 3u) < 2u;
}

std::int16_t wavelengthNumber(QStringView name)
{
    if (name == kAnyWavelength)
        return -1;
    std::int16_t number = 0;
    for (QChar c : name) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        number = static_cast<std::int16_t>(number * 10 + (c.unicode() - '0'));
    }
    return number;
}

const SlotColumns& slotColumns(int slot)
{
    return kSlotColumns.at(static_cast<std::size_t>(slot));
}

QString conversionWavelengthName(int slot, unsigned fiberType)
{
    switch (slot) {
    case 0:
        return QStringLiteral("850nm");
    case 1:
        return QStringLiteral("980nm");
    case 2:
        return isMultimodeFiberType(fiberType) ? QStringLiteral("1300nm") : QStringLiteral("1310nm");
    case 3:
        return QStringLiteral("1480nm");
    default:
        return QStringLiteral("1550nm");
    }
}

std::optional<DefaultBudgetWavelength> defaultBudgetWavelength(QStringView name)
{
    switch (wavelengthNumber(name.trimmed())) {
    case 850:
        return DefaultBudget850;
    case 1300:
        return DefaultBudget1300;
    case 1310:
        return DefaultBudget1310;
    case 1550:
        return DefaultBudget1550;
    default:
        return std::nullopt;
    }
}
