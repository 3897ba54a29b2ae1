#include "launcher/LanguageList.h"

#include "launcher/LauncherTexts.h"
#include "launcher/ProfileFile.h"

#include <QMap>
#include <QString>

namespace {

// The index of a key "language<n>" as "%d" writes it (no sign, no leading
// zero), or 0.
int languageKeyIndex(const QString& key)
{
    static const QString prefix = QStringLiteral("language");
    if (!key.startsWith(prefix, Qt::CaseInsensitive))
        return 0;
    const QString digits = key.mid(prefix.size());
    if (digits.isEmpty() || digits.front() == QLatin1Char('0'))
        return 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    }
    bool ok = false;
    const int index = digits.toInt(&ok);
    return ok ? index : 0;
}

} // namespace

QList<int> offeredLanguages(const ProfileFile& profile)
{
    const QString section = QStringLiteral("LANGUAGES");
    const int count = profile.number(section, QStringLiteral("count"));
    if (count <= 0)
        return {LauncherTexts::kEnglish};
    // Walks the keys that exist rather than 1 ... count, so that a count
    // of two billion costs no more than the file's own lines.
    QMap<int, QString> byIndex;
    for (const ProfileFile::Entry& entry : profile.entries(section)) {
        const int index = languageKeyIndex(entry.key);
        if (index >= 1 && index <= count && !byIndex.contains(index))
            byIndex.insert(index, entry.key);
    }
    QList<int> languages;
    for (const QString& key : std::as_const(byIndex)) {
        const int lcid = profile.number(section, key);
        if (lcid != 0)
            languages.append(lcid);
    }
    return languages;
}

int chooseLanguage(const QList<int>& offered, const std::function<int(const QList<int>&)>& askUser)
{
    if (offered.isEmpty())
        return LauncherTexts::kEnglish;
    if (offered.size() == 1)
        return offered.front();
    return askUser(offered);
}
