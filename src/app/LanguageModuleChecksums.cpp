#include "app/LanguageModuleChecksums.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

// A list of a few hundred modules is some tens of KiB; anything larger is
// not one the build wrote.
constexpr qint64 kMaxListSize = 256 * 1024;
constexpr qsizetype kHexDigits = 64;

bool isLowerHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// The checksum the list gives for `name`; nothing when no line names it.
// Lines that are not in sha256sum's layout name nothing.
std::optional<QByteArray> listedChecksum(const QByteArray& list, const QByteArray& name)
{
    for (QByteArray line : list.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() < kHexDigits + 2 || line.at(kHexDigits) != ' ')
            continue;
        const QByteArray hex = line.first(kHexDigits);
        if (!std::all_of(hex.begin(), hex.end(), isLowerHex))
            continue;
        // Two blanks, or a blank and "*" (sha256sum's binary mode).
        const char mode = line.at(kHexDigits + 1);
        if (mode != ' ' && mode != '*')
            continue;
        if (line.sliced(kHexDigits + 2) == name)
            return hex;
    }
    return std::nullopt;
}

} // namespace

namespace LanguageModuleChecksums {

QString fileName()
{
    return QStringLiteral("KavLangDll.sha256");
}

QString listPathFor(const QString& modulePath)
{
    return QFileInfo(modulePath).absoluteDir().filePath(fileName());
}

Verdict check(const QString& modulePath, QByteArrayView moduleBytes)
{
    QFile file(listPathFor(modulePath));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxListSize)
        return Verdict::NoList;
    const QByteArray list = file.read(kMaxListSize);
    const auto listed = listedChecksum(list, QFile::encodeName(QFileInfo(modulePath).fileName()));
    if (!listed)
        return Verdict::NotListed;
    const QByteArray actual = QCryptographicHash::hash(moduleBytes, QCryptographicHash::Sha256).toHex();
    return actual == *listed ? Verdict::Listed : Verdict::Differs;
}

} // namespace LanguageModuleChecksums
