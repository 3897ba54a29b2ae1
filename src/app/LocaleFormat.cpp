#include "app/LocaleFormat.h"

#include "app/AsciiChars.h"
#include "app/PrintfFormat.h"
#include "app/StringTable.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {

// Per-locale cache of number formats, kept for the life of the program.
class NumberFormatCache
{
public:
    NumberFormat get(const QLocale& locale)
    {
        QMutexLocker lock(&mutex_);
        const QString key = locale.name() + QLatin1Char('|') + locale.bcp47Name();
        auto it = formats_.constFind(key);
        if (it != formats_.constEnd())
            return *it;
        NumberFormat format;
        format.grouping = groupingFromText(groupingTextFor(locale));
        format.decimalSeparator = locale.decimalPoint();
        format.thousandsSeparator = locale.groupSeparator();
        if (format.decimalSeparator.isEmpty())
            format.decimalSeparator = QStringLiteral(".");
        if (format.thousandsSeparator.isEmpty())
            format.thousandsSeparator = QStringLiteral(".");
        formats_.insert(key, format);
        return format;
    }

private:
    QMutex mutex_;
    QHash<QString, NumberFormat> formats_;
};

NumberFormatCache& cache()
{
    static NumberFormatCache instance;
    return instance;
}

// Adds one to a string of decimal digits; "99" becomes "100".
void incrementDigits(QString& digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
        digits[i] = QLatin1Char('0');
    }
    digits.prepend(QLatin1Char('1'));
}

QString groupDigits(const QString& integer, const NumberFormat& format)
{
    if (format.grouping <= 0 || format.thousandsSeparator.isEmpty())
        return integer;
    const int first = format.grouping == 32 ? 3 : format.grouping;
    const int rest = format.grouping == 32 ? 2 : format.grouping;
    QString out;
    qsizetype end = integer.size();
    int size = first;
    while (end > size) {
        out.prepend(integer.mid(end - size, size));
        out.prepend(format.thousandsSeparator);
        end -= size;
        size = rest;
    }
    out.prepend(integer.left(end));
    return out;
}

// Two-digit years are ambiguous on a test certificate; the short date always
// shows the full year.
QString shortDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString shortTimeFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    for (const char* seconds : {":ss", ".ss", ":s", ".s"}) {
        if (format.contains(QLatin1String(seconds))) {
            format.remove(QLatin1String(seconds));
            break;
        }
    }
    return format;
}

QString localize(const QString& plain, int digits)
{
    NumberFormat format = numberFormatFor(QLocale());
    format.digits = digits;
    return formatNumberText(plain, format).value_or(plain);
}

} // namespace

NumberFormat numberFormatFor(const QLocale& locale)
{
    return cache().get(locale);
}

QString groupingTextFor(const QLocale& locale)
{
    // Qt keeps the CLDR grouping to itself; read it back from a long number.
    const QString text = locale.toString(123456789012LL);
    const QString separator = locale.groupSeparator();
    if (separator.isEmpty() || !text.contains(separator))
        return QStringLiteral("0");
    const QStringList groups = text.split(separator);
    const qsizetype n = groups.size();
    const qsizetype first = groups.at(n - 1).size();
    const qsizetype second = n >= 3 ? groups.at(n - 2).size() : first;
    if (first == second)
        return QStringLiteral("%1;0").arg(first);
    return QStringLiteral("%1;%2;0").arg(first).arg(second);
}

int groupingFromText(QStringView text)
{
    if (text == QLatin1String("0"))
        return 0;
    if (text == QLatin1String("3;2;0"))
        return 32;
    if (text.size() == 3 && text.at(0) >= QLatin1Char('1') && text.at(0) <= QLatin1Char('9') &&
        text.mid(1) == QLatin1String(";0"))
        return text.at(0).digitValue();
    return 0;
}

std::optional<QString> formatNumberText(QStringView plain, const NumberFormat& format)
{
    qsizetype i = 0;
    const bool negative = !plain.isEmpty() && plain.at(0) == QLatin1Char('-');
    if (negative)
        ++i;
    QString integer;
    QString fraction;
    bool point = false;
    for (; i < plain.size(); ++i) {
        const QChar c = plain.at(i);
        if (isAsciiDigit(c)) {
            (point ? fraction : integer).append(c);
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (integer.isEmpty() && fraction.isEmpty())
        return std::nullopt;

    const int digits = std::max(0, format.digits);
    if (fraction.size() > digits) {
        const bool roundUp = fraction.at(digits) >= QLatin1Char('5');
        fraction.truncate(digits);
        if (roundUp) {
            QString all = integer + fraction;
            incrementDigits(all);
            integer = all.left(all.size() - digits);
            fraction = all.right(digits);
        }
    }
    while (fraction.size() < digits)
        fraction.append(QLatin1Char('0'));

    while (integer.size() > 1 && integer.at(0) == QLatin1Char('0'))
        integer.remove(0, 1);
    if (integer.isEmpty() || integer == QLatin1String("0"))
        integer = format.leadingZero ? QStringLiteral("0") : QString();

    QString number = groupDigits(integer, format);
    if (digits > 0)
        number += format.decimalSeparator + fraction;
    if (!negative)
        return number;
    switch (format.negativeOrder) {
    case 0:
        return QLatin1Char('(') + number + QLatin1Char(')');
    case 2:
        return QLatin1String("- ") + number;
    case 3:
        return number + QLatin1Char('-');
    case 4:
        return number + QLatin1String(" -");
    default:
        return QLatin1Char('-') + number;
    }
}

QString LocalNumber(QStringView format, double value)
{
    return localize(printfNumber(format, value), printfPrecision(format));
}

QString LocalNumber(QStringView format, float value)
{
    return LocalNumber(format, static_cast<double>(value));
}

QString LocalNumber(QStringView format, int value)
{
    return localize(printfNumber(format, static_cast<long long>(value)), printfPrecision(format));
}

QString FormatLocalNumber(int templateId, int formatId, double value)
{
    return Strings::formatMessage(Strings::loadString(templateId),
                                  {LocalNumber(Strings::loadString(formatId), value)});
}

QString FormatLocalNumber(int templateId, int formatId, float value)
{
    return FormatLocalNumber(templateId, formatId, static_cast<double>(value));
}

QString FormatLocalNumber(int templateId, int formatId, int value)
{
    return Strings::formatMessage(Strings::loadString(templateId),
                                  {LocalNumber(Strings::loadString(formatId), value)});
}

QString DecimalSeparator()
{
    return numberFormatFor(QLocale()).decimalSeparator;
}

QString ThousandsSeparator()
{
    return numberFormatFor(QLocale()).thousandsSeparator;
}

QString fallbackShortDate(int year, int month, int day)
{
    return QString::asprintf("%02d/%02d/%04d", month, day, year);
}

QString fallbackShortTime(int hour, int minute)
{
    return QString::asprintf("%02d:%02d", hour, minute);
}

QString ShortDate(const QDateTime& time)
{
    const QDate date = time.date();
    if (date.isValid()) {
        const QLocale locale;
        const QString text = locale.toString(date, shortDateFormat(locale));
        if (!text.isEmpty())
            return text;
    }
    return fallbackShortDate(date.isValid() ? date.year() : 0, date.isValid() ? date.month() : 0,
                             date.isValid() ? date.day() : 0);
}

QString ShortTime(const QDateTime& time)
{
    const QTime clock = time.time();
    if (time.isValid() && clock.isValid()) {
        const QLocale locale;
        const QString text = locale.toString(clock, shortTimeFormat(locale));
        if (!text.isEmpty())
            return text;
    }
    return fallbackShortTime(clock.isValid() ? clock.hour() : 0, clock.isValid() ? clock.minute() : 0);
}

QString DateTime(const QDateTime& time)
{
    return ShortDate(time) + QLatin1Char(' ') + ShortTime(time);
}

bool initThreadLocale(const QString& name)
{
    if (name.isEmpty()) {
        const QLocale system = QLocale::system();
        const bool bare = system.language() == QLocale::C;
        QLocale::setDefault(bare ? QLocale(QLocale::English, QLocale::UnitedStates) : system);
        return true;
    }
    const QLocale wanted(name);
    const bool askedForC = name == QLatin1String("C") || name == QLatin1String("POSIX");
    if (wanted.language() == QLocale::C && !askedForC)
        return false;
    QLocale::setDefault(wanted);
    return true;
}
