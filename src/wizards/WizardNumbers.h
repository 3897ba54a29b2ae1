#pragma once

#include <QString>

#include <optional>

// Numbers typed into the wizards' fields. A decimal is read in the user's
// locale or with a "." (what the original program accepted everywhere);
// group separators are not taken, so "1,5" is never read as 15.
namespace WizardNumbers {

std::optional<double> parseDecimal(const QString& text);
// The value with six significant digits, as the field shows it ("3280.84").
QString formatDecimal(double value);
// The leading number of the text, as far as it reads; 0 when there is none
// ("12 nm" gives 12, "abc" gives 0).
double leadingDecimal(const QString& text);
int leadingInteger(const QString& text);

} // namespace WizardNumbers
