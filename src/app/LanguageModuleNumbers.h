#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// How a "%" followed by a digit is read: as a message template's argument
// ("%1" .. "%99") or, the way printf reads it, as the width of a
// conversion ("%5d").
enum class PercentDigit
{
    TemplateArgument,
    PrintfWidth,
};

// The printf conversions of a text, in order, each exactly as written
// ("%.2f", "%d", "%s"); "%%" is a percent sign, and a "%" that starts no
// conversion is plain text.
QStringList printfConversionsOf(QStringView text, PercentDigit reading);

// Whether a module's translation may stand in for the English text as far
// as numbers go. The program writes numbers with printf formats from the
// string table, so a translation of a format (an English text with
// conversions other than template arguments) must have exactly the English
// conversions, in order, with the same flags, width and precision, read as
// printf reads them; a translation of a message template must not bring
// conversions the English lacks. A format that is nothing but conversions
// ("%.2f") has nothing to translate and must be the English itself: a digit
// written before it would stand in every number ("9%.2f").
bool keepsNumberFormats(QStringView english, QStringView translation);
