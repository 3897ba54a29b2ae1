#include "wizards/WizardNumbers.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace WizardNumbers {

std::optional<double> parseDecimal(const QString& text)
{
    const QString trimmed = text.trimmed();
    QLocale user;
    user.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double value = user.toDouble(trimmed, &ok);
    if (!ok) {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        value = c.toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString formatDecimal(double value)
{
    QLocale user;
    user.setNumberOptions(QLocale::OmitGroupSeparator);
    return user.toString(value, 'g', 6);
}

double leadingDecimal(const QString& text)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*[-+]?(\\d+([.,]\\d*)?|[.,]\\d+)"));
    const QRegularExpressionMatch match = leading.match(text);
    if (!match.hasMatch())
        return 0;
    QString number = match.captured(0).trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    return QLocale::c().toDouble(number);
}

int leadingInteger(const QString& text)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*[-+]?\\d+"));
    const QRegularExpressionMatch match = leading.match(text);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const int value = match.captured(0).trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace WizardNumbers
