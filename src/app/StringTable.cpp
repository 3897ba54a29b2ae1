#include "app/StringTable.h"

#include "app/AsciiChars.h"
#include "app/EnglishStrings.h"

#include <QList>

#include <algorithm>

namespace {

QString unescape(QStringView text, bool* ok)
{
    QString out;
    out.reserve(text.size());
    *ok = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\')) {
            out.append(c);
            continue;
        }
        if (++i >= text.size()) {
            *ok = false;
            break;
        }
        switch (text.at(i).unicode()) {
        case 'n':
            out.append(QLatin1Char('\n'));
            break;
        case 't':
            out.append(QLatin1Char('\t'));
            break;
        case 'r':
            out.append(QLatin1Char('\r'));
            break;
        case '\\':
            out.append(QLatin1Char('\\'));
            break;
        default:
            *ok = false;
            return out;
        }
    }
    return out;
}

QString escape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\n':
            out.append(QLatin1String("\\n"));
            break;
        case '\t':
            out.append(QLatin1String("\\t"));
            break;
        case '\r':
            out.append(QLatin1String("\\r"));
            break;
        case '\\':
            out.append(QLatin1String("\\\\"));
            break;
        default:
            out.append(c);
        }
    }
    return out;
}

} // namespace

StringTable::StringTable()
{
    const auto strings = englishStrings();
    english_.reserve(static_cast<qsizetype>(strings.size()));
    for (const EnglishString& s : strings)
        english_.insert(s.id, QString::fromUtf8(s.text));
}

StringTable& StringTable::current()
{
    static StringTable table;
    return table;
}

QString StringTable::text(int id) const
{
    auto it = overrides_.constFind(id);
    if (it != overrides_.constEnd())
        return *it;
    return english_.value(id);
}

bool StringTable::contains(int id) const
{
    return english_.contains(id) || overrides_.contains(id);
}

QList<int> StringTable::ids() const
{
    QList<int> ids = english_.keys();
    for (auto it = overrides_.constBegin(); it != overrides_.constEnd(); ++it) {
        if (!english_.contains(it.key()))
            ids.append(it.key());
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

void StringTable::setOverrides(const QHash<int, QString>& texts)
{
    overrides_ = texts;
}

void StringTable::clearOverrides()
{
    overrides_.clear();
}

std::optional<QHash<int, QString>> StringTable::parse(QByteArrayView data, QString* error)
{
    QHash<int, QString> texts;
    const QString all = QString::fromUtf8(data);
    int lineNumber = 0;
    for (QStringView line : QStringView(all).split(QLatin1Char('\n'))) {
        ++lineNumber;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        bool idOk = false;
        const int id = tab > 0 ? line.left(tab).toInt(&idOk) : 0;
        bool textOk = false;
        const QString text = idOk ? unescape(line.mid(tab + 1), &textOk) : QString();
        if (!idOk || !textOk || id < 0) {
            if (error)
                *error = QStringLiteral("line %1: expected a string id, a tab and the text").arg(lineNumber);
            return std::nullopt;
        }
        texts.insert(id, text);
    }
    return texts;
}

QByteArray StringTable::englishAsText()
{
    StringTable english;
    QString out;
    for (int id : english.ids())
        out +=
            QString::number(id) + QLatin1Char('\t') + escape(english.english_.value(id)) + QLatin1Char('\n');
    return out.toUtf8();
}

QString Strings::loadString(int id)
{
    return StringTable::current().text(id);
}

QString Strings::formatMessage(const QString& templ, const QStringList& arguments)
{
    QString out;
    out.reserve(templ.size() + 16);
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
        if (!isAsciiDigit(next) || next == QLatin1Char('0')) {
            out.append(c);
            continue;
        }
        qsizetype end = i + 1;
        int number = 0;
        while (end < templ.size() && end < i + 3 && isAsciiDigit(templ.at(end))) {
            number = number * 10 + templ.at(end).digitValue();
            ++end;
        }
        if (number >= 1 && number <= arguments.size()) {
            out.append(arguments.at(number - 1));
        } else {
            out.append(QStringView(templ).mid(i, end - i));
        }
        i = end - 1;
    }
    return out;
}
