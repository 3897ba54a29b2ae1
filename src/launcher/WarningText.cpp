#include "launcher/WarningText.h"

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QString formatOneArgument(const QString& templ, const QString& version)
{
    QString out;
    out.reserve(templ.size() + version.size());
    for (qsizetype i = 0; i < templ.size(); ++i) {
        const QChar c = templ.at(i);
        if (c != QLatin1Char('%') || i + 1 >= templ.size()) {
            out.append(c);
            continue;
        }
        const QChar next = templ.at(i + 1);
        if (next == QLatin1Char('%')) {
            out.append(QLatin1Char('%'));
            ++i;
            continue;
        }
        if (!isDigit(next) || next == QLatin1Char('0')) {
            out.append(c);
            continue;
        }
        // An argument number has one or two digits: "%10" is argument 10,
        // not "%1" followed by "0".
        qsizetype end = i + 1;
        while (end < templ.size() && end < i + 3 && isDigit(templ.at(end)))
            ++end;
        const QStringView number = QStringView(templ).mid(i + 1, end - i - 1);
        if (number == QLatin1String("1"))
            out.append(version);
        else
            out.append(QStringView(templ).mid(i, end - i));
        i = end - 1;
    }
    return out;
}

QString formatWarningText(const QString& templ, const QString& readerVersion)
{
    QString text = formatOneArgument(templ, readerVersion);
    text.replace(QLatin1String("\\r"), QLatin1String("\r"));
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    return text;
}

QString withPlainLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
