#include "app/LanguageModule.h"

#include "app/LanguageModuleChecksums.h"
#include "app/LanguageModuleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

LanguageModule::LanguageModule(const QString& path, QHash<int, QString> texts)
    : path_(path), texts_(std::move(texts))
{
}

std::unique_ptr<LanguageModule> LanguageModule::open(const QString& path, QString* error)
{
    auto fail = [error](int id, const QString& argument = QString()) {
        if (error)
            *error = Strings::formatMessage(Strings::loadString(id), {argument});
        return std::unique_ptr<LanguageModule>();
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(StringId::LanguageModuleUnreadable, file.errorString());
    if (file.size() > kMaxFileSize)
        return fail(StringId::LanguageModuleDamaged);
    // Read once: the bytes whose checksum is compared are the bytes read.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(StringId::LanguageModuleUnreadable, file.errorString());
    if (bytes.size() > kMaxFileSize)
        return fail(StringId::LanguageModuleDamaged);

    const QString list = QDir::toNativeSeparators(LanguageModuleChecksums::listPathFor(path));
    switch (LanguageModuleChecksums::check(path, bytes)) {
    case LanguageModuleChecksums::Verdict::Listed:
        break;
    case LanguageModuleChecksums::Verdict::NoList:
        return fail(StringId::LanguageModuleNoChecksumList, list);
    case LanguageModuleChecksums::Verdict::NotListed:
        return fail(StringId::LanguageModuleNotListed, list);
    case LanguageModuleChecksums::Verdict::Differs:
        return fail(StringId::LanguageModuleChecksumDiffers, list);
    }
    auto texts = readLanguageModule(bytes);
    if (!texts)
        return fail(StringId::LanguageModuleDamaged);
    return std::unique_ptr<LanguageModule>(
        new LanguageModule(QFileInfo(path).absoluteFilePath(), std::move(*texts)));
}

std::optional<QString> LanguageModule::text(int id) const
{
    const auto found = texts_.constFind(id);
    if (found == texts_.constEnd() || found->isEmpty())
        return std::nullopt;
    return *found;
}

QHash<int, QString> LanguageModule::texts(const QList<int>& ids) const
{
    QHash<int, QString> found;
    for (int id : ids) {
        if (auto t = text(id))
            found.insert(id, *t);
    }
    return found;
}
