#include "launcher/ProfileFile.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <limits>

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString decode(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

// Profile values may be written in quotes to keep leading or trailing
// blanks; the quotes themselves are no part of the value.
QString unquoted(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

ProfileFile ProfileFile::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromBytes(file.readAll());
}

ProfileFile ProfileFile::fromBytes(const QByteArray& bytes)
{
    ProfileFile profile;
    Section* current = nullptr;
    const QString text = decode(bytes);
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.front() == QLatin1Char(';'))
            continue;
        if (line.front() == QLatin1Char('[')) {
            qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0)
                close = line.size();
            profile.sections_.append(Section{line.mid(1, close - 1).trimmed().toString(), {}});
            current = &profile.sections_.back();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (current == nullptr || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed().toString();
        const QString value = unquoted(line.mid(equals + 1).trimmed().toString());
        current->entries.append(Entry{key, value});
    }
    return profile;
}

const ProfileFile::Section* ProfileFile::findSection(const QString& name) const
{
    for (const Section& section : sections_) {
        if (sameName(section.name, name))
            return &section;
    }
    return nullptr;
}

QList<ProfileFile::Entry> ProfileFile::entries(const QString& section) const
{
    const Section* found = findSection(section);
    return found ? found->entries : QList<Entry>{};
}

QString ProfileFile::text(const QString& section, const QString& key) const
{
    const Section* found = findSection(section);
    if (found == nullptr)
        return {};
    for (const Entry& entry : found->entries) {
        if (sameName(entry.key, key))
            return entry.value.left(kMaxTextLength);
    }
    return {};
}

int ProfileFile::number(const QString& section, const QString& key) const
{
    const QString value = text(section, key).left(kMaxNumberLength);
    qsizetype i = 0;
    bool negative = false;
    if (i < value.size() && (value.at(i) == QLatin1Char('-') || value.at(i) == QLatin1Char('+'))) {
        negative = value.at(i) == QLatin1Char('-');
        ++i;
    }
    // Saturates instead of overflowing: a number too long for an int is
    // as wrong as any other, but must not be undefined.
    qint64 magnitude = 0;
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        magnitude = std::min(limit, magnitude * 10 + (c.unicode() - '0'));
    }
    if (negative)
        return int(-magnitude);
    return int(std::min<qint64>(magnitude, std::numeric_limits<int>::max()));
}
