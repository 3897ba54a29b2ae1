#pragma once

#include <QString>
#include <QStringView>

// printf-style formatting of one number with a format taken from the string
// table. A language module supplies these formats, so they are checked first:
// exactly one numeric conversion (d i u x X o f F e E g G a A) with flags, width
// and precision; "%%" is a literal percent sign. Anything else ("%s", "%n",
// several conversions) is refused and the number is written with a plain
// default instead of trusting the format.
QString printfNumber(QStringView format, double value);
QString printfNumber(QStringView format, long long value);

// The number written after the first "." of a format, 0 when there is none.
int printfPrecision(QStringView format);
