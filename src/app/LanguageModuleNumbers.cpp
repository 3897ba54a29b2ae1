#include "app/LanguageModuleNumbers.h"

#include "app/AsciiChars.h"

#include <cstring>

namespace {

// The length of the conversion that starts with the "%" at `start`; 0 when
// none does.
qsizetype conversionLength(QStringView text, qsizetype start)
{
    qsizetype i = start + 1;
    while (i < text.size() && isAsciiOneOf(text.at(i), "-+ #0"))
        ++i;
    while (i < text.size() && isAsciiDigit(text.at(i)))
        ++i;
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && isAsciiDigit(text.at(i)))
            ++i;
    }
    while (i < text.size() && isAsciiOneOf(text.at(i), "hlLqjzt"))
        ++i;
    if (i < text.size() && isAsciiOneOf(text.at(i), "diouxXfFeEgGaAcspn"))
        return i + 1 - start;
    return 0;
}

} // namespace

QStringList printfConversionsOf(QStringView text, PercentDigit reading)
{
    QStringList conversions;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('%') || i + 1 >= text.size())
            continue;
        const QChar next = text.at(i + 1);
        if (next == QLatin1Char('%')) {
            ++i;
            continue;
        }
        if (reading == PercentDigit::TemplateArgument && next >= QLatin1Char('1') &&
            next <= QLatin1Char('9')) {
            // A template argument of one or two digits.
            i += (i + 2 < text.size() && isAsciiDigit(text.at(i + 2))) ? 2 : 1;
            continue;
        }
        if (const qsizetype length = conversionLength(text, i)) {
            conversions << text.sliced(i, length).toString();
            i += length - 1;
        }
    }
    return conversions;
}

bool keepsNumberFormats(QStringView english, QStringView translation)
{
    // A text with conversions that are not template arguments is a printf
    // format, and printf reads "%5d" as a conversion; any other text is a
    // message template, where "%5" is an argument.
    const bool isFormat = !printfConversionsOf(english, PercentDigit::TemplateArgument).isEmpty();
    const PercentDigit reading = isFormat ? PercentDigit::PrintfWidth : PercentDigit::TemplateArgument;
    const QStringList conversions = printfConversionsOf(english, reading);
    if (printfConversionsOf(translation, reading) != conversions)
        return false;
    if (isFormat && conversions.join(QString()) == english)
        return translation == english;
    return true;
}
