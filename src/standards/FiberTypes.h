#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// The vocabulary of a tested link: fiber types, wavelength names and numbers,
// the five wavelength slots of a site and the units the program works in.

constexpr int kSlotCount = 5;
constexpr int kFiberTypeCount = 4;

// Fiber types 0..3; only the two low bits of a stored code name a type.
QString fiberTypeShortName(unsigned code);
QString fiberTypeLongName(unsigned code);
bool isMultimodeFiberType(unsigned code);

// "1310nm" -> 1310, "ANY" -> -1, anything without leading digits -> 0.
// Digits accumulate in 16 bits, the way the stored key fields hold them.
std::int16_t wavelengthNumber(QStringView name);

inline const QString kAnyWavelength = QStringLiteral("ANY");

// Columns of the five wavelength slots. The slot's real wavelength is always the
// text of its WavelengthN column; the column names only carry the nominal value.
struct SlotColumns
{
    const char* referenceColumn; // Site table
    const char* powerColumn;     // Fiber table
    const char* wavelengthColumn;
};
const SlotColumns& slotColumns(int slot);

// Wavelength name a schema conversion writes into a slot; the 1300 nm slot is
// "1310nm" for the singlemode types.
QString conversionWavelengthName(int slot, unsigned fiberType);

// Index into the fixed attenuation tables of the default link budget.
enum DefaultBudgetWavelength : int
{
    DefaultBudget850 = 0,
    DefaultBudget1300 = 1,
    DefaultBudget1310 = 2,
    DefaultBudget1550 = 3,
};

// The default-budget index of a wavelength name ("850nm", "1300nm", "1310nm",
// "1550nm"); nothing for wavelengths the fixed tables do not cover.
std::optional<DefaultBudgetWavelength> defaultBudgetWavelength(QStringView name);

constexpr float kFeetPerKilometre = 3280.8399f;

inline float metresToKilometres(float metres)
{
    return metres / 1000.0f;
}
inline float kilometresToMetres(float kilometres)
{
    return kilometres * 1000.0f;
}
inline float kilometresToFeet(float kilometres)
{
    return kilometres * kFeetPerKilometre;
}
