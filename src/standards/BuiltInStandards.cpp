#include "standards/BuiltInStandards.h"

#include <array>

namespace {

struct BuiltInRow
{
    std::int16_t number;
    const char* name;
    std::uint8_t fiberType;
    const char* wavelength;
    float maxDistance;
    float maxLoss;
    float attenuation;
    float connectorLoss;
    float spliceLoss;
};

// The built-in standards, in the order they are added to the catalogue.
// Entries with a maximum loss carry no per-km, connector or splice allowance.
// The singlemode entries of "ATM 622" really are "1300nm".
constexpr std::array<BuiltInRow, kBuiltInStandardCount> kRows = {{
    {2, "EIA/TIA 568-A / CAN-T529", 0, "850nm", 2000.0f, 0.0f, 3.75f, 0.75f, 0.3f},
    {2, "EIA/TIA 568-A / CAN-T529", 0, "1300nm", 2000.0f, 0.0f, 1.5f, 0.75f, 0.3f},
    {2, "EIA/TIA 568-A / CAN-T529", 1, "850nm", 2000.0f, 0.0f, 3.75f, 0.75f, 0.3f},
    {2, "EIA/TIA 568-A / CAN-T529", 1, "1300nm", 2000.0f, 0.0f, 1.5f, 0.75f, 0.3f},
    {2, "EIA/TIA 568-A / CAN-T529", 2, "1310nm", 3000.0f, 0.0f, 1.0f, 0.75f, 0.3f},
    {2, "EIA/TIA 568-A / CAN-T529", 2, "1550nm", 3000.0f, 0.0f, 1.0f, 0.75f, 0.3f},
    {2, "EIA/TIA 568-A / CAN-T529", 3, "1310nm", 3000.0f, 0.0f, 0.5f, 0.75f, 0.3f},
    {2, "EIA/TIA 568-A / CAN-T529", 3, "1550nm", 3000.0f, 0.0f, 0.5f, 0.75f, 0.3f},
    {3, "ISO 11801", 0, "850nm", 2000.0f, 0.0f, 3.5f, 0.75f, 0.3f},
    {3, "ISO 11801", 0, "1300nm", 2000.0f, 0.0f, 1.0f, 0.75f, 0.3f},
    {3, "ISO 11801", 1, "850nm", 2000.0f, 0.0f, 3.5f, 0.75f, 0.3f},
    {3, "ISO 11801", 1, "1300nm", 2000.0f, 0.0f, 1.0f, 0.75f, 0.3f},
    {3, "ISO 11801", 2, "1310nm", 3000.0f, 0.0f, 1.0f, 0.75f, 0.3f},
    {3, "ISO 11801", 2, "1550nm", 3000.0f, 0.0f, 1.0f, 0.75f, 0.3f},
    {3, "ISO 11801", 3, "1310nm", 3000.0f, 0.0f, 1.0f, 0.75f, 0.3f},
    {3, "ISO 11801", 3, "1550nm", 3000.0f, 0.0f, 1.0f, 0.75f, 0.3f},
    {5, "10BASE-FB / 10BASE-FL", 0, "850nm", 2000.0f, 12.5f, 0.0f, 0.0f, 0.0f},
    {5, "10BASE-FB / 10BASE-FL", 1, "850nm", 1514.0f, 6.8f, 0.0f, 0.0f, 0.0f},
    {4, "1000BASE-SX/LX FAST", 0, "850nm", 275.0f, 2.6f, 0.0f, 0.0f, 0.0f},
    {4, "1000BASE-SX/LX FAST", 1, "850nm", 550.0f, 3.56f, 0.0f, 0.0f, 0.0f},
    {4, "1000BASE-SX/LX FAST", 0, "1300nm", 550.0f, 2.35f, 0.0f, 0.0f, 0.0f},
    {4, "1000BASE-SX/LX FAST", 1, "1300nm", 550.0f, 2.35f, 0.0f, 0.0f, 0.0f},
    {4, "1000BASE-SX/LX FAST", 2, "1310nm", 5000.0f, 4.57f, 0.0f, 0.0f, 0.0f},
    {4, "1000BASE-SX/LX FAST", 3, "1310nm", 5000.0f, 4.57f, 0.0f, 0.0f, 0.0f},
    {7, "1000BASE-SX/LX SLOW", 0, "850nm", 220.0f, 2.38f, 0.0f, 0.0f, 0.0f},
    {7, "1000BASE-SX/LX SLOW", 1, "850nm", 500.0f, 3.37f, 0.0f, 0.0f, 0.0f},
    {7, "1000BASE-SX/LX SLOW", 0, "1300nm", 550.0f, 2.35f, 0.0f, 0.0f, 0.0f},
    {7, "1000BASE-SX/LX SLOW", 1, "1300nm", 550.0f, 2.35f, 0.0f, 0.0f, 0.0f},
    {7, "1000BASE-SX/LX SLOW", 2, "1310nm", 5000.0f, 4.57f, 0.0f, 0.0f, 0.0f},
    {7, "1000BASE-SX/LX SLOW", 3, "1310nm", 5000.0f, 4.57f, 0.0f, 0.0f, 0.0f},
    {6, "FDDI 100BASE-FX", 0, "1300nm", 2000.0f, 11.0f, 0.0f, 0.0f, 0.0f},
    {6, "FDDI 100BASE-FX", 1, "1300nm", 2000.0f, 6.0f, 0.0f, 0.0f, 0.0f},
    {6, "FDDI 100BASE-FX", 2, "1310nm", 40000.0f, 6.0f, 0.0f, 0.0f, 0.0f},
    {6, "FDDI 100BASE-FX", 3, "1310nm", 40000.0f, 6.0f, 0.0f, 0.0f, 0.0f},
    {11, "Token Ring 4/16", 0, "850nm", 2000.0f, 13.0f, 0.0f, 0.0f, 0.0f},
    {11, "Token Ring 4/16", 1, "850nm", 1571.0f, 8.0f, 0.0f, 0.0f, 0.0f},
    {8, "ATM 155", 0, "850nm", 1000.0f, 7.2f, 0.0f, 0.0f, 0.0f},
    {8, "ATM 155", 0, "1300nm", 2000.0f, 10.0f, 0.0f, 0.0f, 0.0f},
    {8, "ATM 155", 1, "1300nm", 2000.0f, 5.3f, 0.0f, 0.0f, 0.0f},
    {8, "ATM 155", 2, "1310nm", 15000.0f, 7.0f, 0.0f, 0.0f, 0.0f},
    {8, "ATM 155", 3, "1310nm", 15000.0f, 7.0f, 0.0f, 0.0f, 0.0f},
    {9, "ATM 622", 0, "850nm", 300.0f, 4.0f, 0.0f, 0.0f, 0.0f},
    {9, "ATM 622", 0, "1300nm", 500.0f, 6.0f, 0.0f, 0.0f, 0.0f},
    {9, "ATM 622", 1, "1300nm", 330.0f, 2.0f, 0.0f, 0.0f, 0.0f},
    {9, "ATM 622", 2, "1300nm", 15000.0f, 7.0f, 0.0f, 0.0f, 0.0f},
    {9, "ATM 622", 3, "1300nm", 15000.0f, 7.0f, 0.0f, 0.0f, 0.0f},
    {10, "Fiber Channel 531", 0, "850nm", 350.0f, 8.0f, 0.0f, 0.0f, 0.0f},
    {10, "Fiber Channel 531", 1, "850nm", 1000.0f, 8.0f, 0.0f, 0.0f, 0.0f},
    {10, "Fiber Channel 531", 2, "1310nm", 10000.0f, 14.0f, 0.0f, 0.0f, 0.0f},
    {10, "Fiber Channel 531", 3, "1310nm", 10000.0f, 14.0f, 0.0f, 0.0f, 0.0f},
    {12, "ANSI/EIA/TIA568B.3", 0, "850nm", 2000.0f, 0.0f, 3.5f, 0.75f, 0.3f},
    {12, "ANSI/EIA/TIA568B.3", 0, "1300nm", 2000.0f, 0.0f, 1.5f, 0.75f, 0.3f},
    {12, "ANSI/EIA/TIA568B.3", 1, "850nm", 2000.0f, 0.0f, 3.5f, 0.75f, 0.3f},
    {12, "ANSI/EIA/TIA568B.3", 1, "1300nm", 2000.0f, 0.0f, 1.5f, 0.75f, 0.3f},
    {12, "ANSI/EIA/TIA568B.3", 2, "1310nm", 3000.0f, 0.0f, 1.0f, 0.75f, 0.3f},
    {12, "ANSI/EIA/TIA568B.3", 2, "1550nm", 3000.0f, 0.0f, 1.0f, 0.75f, 0.3f},
    {12, "ANSI/EIA/TIA568B.3", 3, "1310nm", 3000.0f, 0.0f, 0.5f, 0.75f, 0.3f},
    {12, "ANSI/EIA/TIA568B.3", 3, "1550nm", 3000.0f, 0.0f, 0.5f, 0.75f, 0.3f},
    {20, "FTTH Class A", 2, "1310nm", 20000.0f, 20.0f, 0.0f, 0.0f, 0.0f},
    {20, "FTTH Class A", 2, "1490nm", 20000.0f, 20.0f, 0.0f, 0.0f, 0.0f},
    {20, "FTTH Class A", 2, "1550nm", 20000.0f, 20.0f, 0.0f, 0.0f, 0.0f},
    {20, "FTTH Class A", 3, "1310nm", 20000.0f, 20.0f, 0.0f, 0.0f, 0.0f},
    {20, "FTTH Class A", 3, "1490nm", 20000.0f, 20.0f, 0.0f, 0.0f, 0.0f},
    {20, "FTTH Class A", 3, "1550nm", 20000.0f, 20.0f, 0.0f, 0.0f, 0.0f},
    {21, "FTTH Class B", 2, "1310nm", 20000.0f, 25.0f, 0.0f, 0.0f, 0.0f},
    {21, "FTTH Class B", 2, "1490nm", 20000.0f, 25.0f, 0.0f, 0.0f, 0.0f},
    {21, "FTTH Class B", 2, "1550nm", 20000.0f, 25.0f, 0.0f, 0.0f, 0.0f},
    {21, "FTTH Class B", 3, "1310nm", 20000.0f, 25.0f, 0.0f, 0.0f, 0.0f},
    {21, "FTTH Class B", 3, "1490nm", 20000.0f, 25.0f, 0.0f, 0.0f, 0.0f},
    {21, "FTTH Class B", 3, "1550nm", 20000.0f, 25.0f, 0.0f, 0.0f, 0.0f},
    {22, "FTTH Class C", 2, "1310nm", 20000.0f, 30.0f, 0.0f, 0.0f, 0.0f},
    {22, "FTTH Class C", 2, "1490nm", 20000.0f, 30.0f, 0.0f, 0.0f, 0.0f},
    {22, "FTTH Class C", 2, "1550nm", 20000.0f, 30.0f, 0.0f, 0.0f, 0.0f},
    {22, "FTTH Class C", 3, "1310nm", 20000.0f, 30.0f, 0.0f, 0.0f, 0.0f},
    {22, "FTTH Class C", 3, "1490nm", 20000.0f, 30.0f, 0.0f, 0.0f, 0.0f},
    {22, "FTTH Class C", 3, "1550nm", 20000.0f, 30.0f, 0.0f, 0.0f, 0.0f},
    {23, "10GBase-S Legacy", 0, "850nm", 26.0f, 2.6f, 0.0f, 0.0f, 0.0f},
    {23, "10GBase-S Legacy", 1, "850nm", 66.0f, 2.2f, 0.0f, 0.0f, 0.0f},
    {24, "10GBase-S OM1/2", 0, "850nm", 33.0f, 2.5f, 0.0f, 0.0f, 0.0f},
    {24, "10GBase-S OM1/2", 1, "850nm", 82.0f, 2.3f, 0.0f, 0.0f, 0.0f},
    {25, "10GBase-S OM3", 1, "850nm", 300.0f, 2.6f, 0.0f, 0.0f, 0.0f},
    {26, "10GBase-LX4 Legacy", 0, "1300nm", 300.0f, 2.5f, 0.0f, 0.0f, 0.0f},
    {26, "10GBase-LX4 Legacy", 1, "1300nm", 240.0f, 2.0f, 0.0f, 0.0f, 0.0f},
    {27, "10GBase-LX4", 1, "1300nm", 300.0f, 2.0f, 0.0f, 0.0f, 0.0f},
    {27, "10GBase-LX4", 2, "1310nm", 10000.0f, 6.3f, 0.0f, 0.0f, 0.0f},
    {27, "10GBase-LX4", 3, "1310nm", 10000.0f, 6.3f, 0.0f, 0.0f, 0.0f},
    {28, "10GBase-L / 10GBase-E", 2, "1310nm", 10000.0f, 6.2f, 0.0f, 0.0f, 0.0f},
    {28, "10GBase-L / 10GBase-E", 3, "1310nm", 10000.0f, 6.2f, 0.0f, 0.0f, 0.0f},
    {28, "10GBase-L / 10GBase-E", 3, "1550nm", 40000.0f, 11.4f, 0.0f, 0.0f, 0.0f},
    {28, "10GBase-L / 10GBase-E", 2, "1550nm", 40000.0f, 11.4f, 0.0f, 0.0f, 0.0f},
}};

} // namespace

std::vector<StandardEntry> builtInStandards()
{
    std::vector<StandardEntry> entries;
    entries.reserve(kRows.size());
    for (const BuiltInRow& row : kRows) {
        StandardEntry entry;
        entry.standardNumber = row.number;
        entry.standardName = QString::fromLatin1(row.name);
        entry.fiberType = row.fiberType;
        entry.wavelength = QString::fromLatin1(row.wavelength);
        entry.maxDistance = row.maxDistance;
        entry.maxLoss = row.maxLoss;
        entry.attenuation = row.attenuation;
        entry.connectorLoss = row.connectorLoss;
        entry.spliceLoss = row.spliceLoss;
        entries.push_back(entry);
    }
    return entries;
}
