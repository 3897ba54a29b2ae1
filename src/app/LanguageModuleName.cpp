#include "app/LanguageModuleName.h"

#include <limits>

namespace {

const QLatin1String kPrefix("KavLangDll_");
const QLatin1String kSuffix(".qm");
// LCIDs are 32-bit values of which Windows uses at most the low 20 bits.
constexpr qsizetype kMaxHexDigits = 8;

bool isLowerHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

} // namespace

QString languageModuleNameFilter()
{
    return kPrefix + QLatin1Char('*') + kSuffix;
}

QString languageModuleFileName(int lcid)
{
    if (lcid <= 0)
        return QString();
    return kPrefix + QString::number(lcid, 16) + kSuffix;
}

std::optional<int> lcidOfLanguageModule(const QString& fileName)
{
    if (!fileName.startsWith(kPrefix) || !fileName.endsWith(kSuffix))
        return std::nullopt;
    const QStringView hex =
        QStringView(fileName).mid(kPrefix.size(), fileName.size() - kPrefix.size() - kSuffix.size());
    if (hex.isEmpty() || hex.size() > kMaxHexDigits || hex.front() == QLatin1Char('0'))
        return std::nullopt;
    for (QChar c : hex) {
        if (!isLowerHexDigit(c))
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = hex.toLongLong(&ok, 16);
    if (!ok || value <= 0 || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}
