#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// Every number, date and time the program shows or prints is written in the
// conventions of the thread locale: the program's default QLocale, taken from
// the environment or from --locale at start-up.

// The parts of a locale's number conventions that number formatting uses.
struct NumberFormat
{
    int digits = 2;          // after the decimal separator
    bool leadingZero = true; // "0.5" rather than ".5"
    int grouping = 3;        // 0 none, 1..9 groups of that size, 32 for 3 then 2 ("3;2;0")
    QString decimalSeparator = QStringLiteral(".");
    QString thousandsSeparator = QStringLiteral(",");
    int negativeOrder = 1; // 0 "(1.1)", 1 "-1.1", 2 "- 1.1", 3 "1.1-", 4 "1.1 -"
};

// The cached number format of a locale.
NumberFormat numberFormatFor(const QLocale& locale);

// A locale's digit grouping written the Windows way ("3;0", "3;2;0", "0").
QString groupingTextFor(const QLocale& locale);

// "0" -> 0, "1;0".."9;0" -> 1..9, "3;2;0" -> 32, anything else -> 0.
int groupingFromText(QStringView text);

// Writes a plain number ("-1234.5": optional minus, digits, one optional
// point) in the given format, rounding to its digits. No value for any other text.
std::optional<QString> formatNumberText(QStringView plain, const NumberFormat& format);

// A number formatted with a printf format, then localized.
QString LocalNumber(QStringView format, double value);
QString LocalNumber(QStringView format, float value);
QString LocalNumber(QStringView format, int value);

// The format text `formatId` and template `templateId` from the string table:
// template "%1dB" with format "%.2f" turns -3.456 into "-3.46dB" in English and
// "-3,46dB" in German.
QString FormatLocalNumber(int templateId, int formatId, double value);
QString FormatLocalNumber(int templateId, int formatId, float value);
QString FormatLocalNumber(int templateId, int formatId, int value);

QString DecimalSeparator();
QString ThousandsSeparator();

QString ShortDate(const QDateTime& time);
QString ShortTime(const QDateTime& time);
QString DateTime(const QDateTime& time);

// What ShortDate and ShortTime fall back to for a time the locale cannot write.
QString fallbackShortDate(int year, int month, int day);
QString fallbackShortTime(int hour, int minute);

// Makes `name` (for example "de_DE") the thread locale; an empty name takes the
// environment's, and the bare "C"/"POSIX" locale is read as US English, the
// program's own language. False, with the locale unchanged, for an unknown name.
bool initThreadLocale(const QString& name);
