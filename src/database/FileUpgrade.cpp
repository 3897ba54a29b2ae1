#include "database/FileUpgrade.h"

#include "app/JobProgress.h"
#include "app/LogCategories.h"
#include "app/ProcessFiles.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/TemporaryFileRegistry.h"
#include "app/UserFolders.h"
#include "database/CircuitFile.h"
#include "database/SchemaVersions.h"
#include "database/TargetFile.h"
#include "database/TestDatabaseSchema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool copyFileOver(const QString& source, const QString& target, QString* error, CopyMode mode,
                  JobProgress* progress, const QString& label)
{
    auto fail = [&](const QString& what, const QString& path) {
        if (error)
            *error =
                QStringLiteral("%1 %2: %3")
                    .arg(what, QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    };
    const int in = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return fail(QStringLiteral("Cannot read"), source);
    struct stat sourceInfo
    {
    };
    ::fstat(in, &sourceInfo);
    const mode_t permissions = mode == CopyMode::LikeSource ? (sourceInfo.st_mode & 0777) : 0600;
    const int out = ::open(QFile::encodeName(target).constData(),
                           O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (out < 0) {
        const int saved = errno;
        ::close(in);
        errno = saved;
        return fail(QStringLiteral("Cannot write"), target);
    }
    ::fchmod(out, permissions);
    char block[64 * 1024];
    bool ok = true;
    std::int64_t copied = 0;
    const QString what = !progress || !label.isEmpty() ? label : Strings::loadString(StringId::SavingFile);
    for (;;) {
        if (progress) {
            if (progress->isCancelled()) {
                if (error)
                    *error = Strings::loadString(StringId::OperationCancelled);
                ok = false;
                break;
            }
            progress->report(what, copied, sourceInfo.st_size);
        }
        const ssize_t got = ::read(in, block, sizeof block);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ok = fail(QStringLiteral("Cannot read"), source);
            break;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out, block + done, static_cast<size_t>(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0) {
                ok = fail(QStringLiteral("Cannot write"), target);
                break;
            }
            done += put;
        }
        if (!ok)
            break;
        copied += got;
    }
    ::close(in);
    if (::close(out) != 0 && ok)
        ok = fail(QStringLiteral("Cannot write"), target);
    if (!ok)
        ::unlink(QFile::encodeName(target).constData());
    return ok;
}

bool writeBackup(const QString& path, QString* error)
{
    return copyFileOver(path, path + QStringLiteral(".backup"), error, CopyMode::LikeSource);
}

namespace {

// Writes `source` into the locked target's sibling and renames it over the target.
bool commitCopy(TargetFile& target, const QString& source, QString* error)
{
    const QString sibling = target.createSibling(error);
    if (sibling.isEmpty())
        return false;
    if (!copyFileOver(source, sibling, error)) {
        target.discardSibling();
        return false;
    }
    return target.commit(error);
}

} // namespace

bool replaceFileWithCopy(const QString& source, const QString& target, QString* error)
{
    QString why;
    TargetFile file(target);
    const bool ok = file.isReplaceable(&why) && file.lock(&why) && commitCopy(file, source, &why);
    if (!ok && error)
        *error = why;
    return ok;
}

FileUpgradeResult upgradeFileInPlace(const QString& path, JobProgress* progress,
                                     const BeforeReplacing& beforeReplacing)
{
    FileUpgradeResult result;
    auto stopped = [&] {
        if (!progress || !progress->isCancelled())
            return false;
        result.cancelled = true;
        result.error = Strings::loadString(StringId::OperationCancelled);
        return true;
    };
    TargetFile target(path);
    if (!target.isReplaceable(&result.error))
        return result;
    // The rule a save follows too: a file without its write bit stays as it is.
    if (target.isReadOnly()) {
        result.error = Strings::formatMessage(Strings::loadString(StringId::ReadOnlyNotUpgraded),
                                              {QDir::toNativeSeparators(path)});
        return result;
    }
    std::function<bool()> stop;
    if (progress)
        stop = [progress] { return progress->isCancelled(); };
    if (!target.lock(&result.error, TargetFile::kLockWaitMs, stop) || !target.isReplaceable(&result.error)) {
        stopped();
        return result;
    }
    result.fromVersion = SchemaVersions::detectVersion(target.path());
    if (result.fromVersion == 0.0f) {
        result.error = CircuitFile::whyNotATestDatabase(path);
        return result;
    }
    if (result.fromVersion == kCurrentSchemaVersion) {
        result.ok = true;
        return result;
    }
    if (stopped())
        return result;

    const QString workingFolder = UserFolders::workingFolder();
    QTemporaryDir work(
        QDir(workingFolder).filePath(ProcessFiles::nameTemplate(QStringLiteral("_kavcurrent"), QString())));
    if (!work.isValid()) {
        result.error = QStringLiteral("Cannot make a folder for the conversion in %1.").arg(workingFolder);
        return result;
    }
    qCDebug(lcDatabase).noquote() << "Converting" << path << "from schema" << result.fromVersion << "in"
                                  << work.path();
    const QString original = work.filePath(QStringLiteral("original.mdb"));
    const QString converted = work.filePath(QStringLiteral("converted.mdb"));
    const RegisteredTemporaryFile workFolder(work.path());
    const RegisteredTemporaryFile workOriginal(original);
    const RegisteredTemporaryFile workFile(converted);
    result.backupPath = target.path() + QStringLiteral(".backup");

    // Both conversions work on a copy: the user's file is only read until it
    // is replaced whole, so a conversion stopped or failed anywhere before
    // leaves it, and any backup of it, as they were.
    QString why;
    const QString converting =
        Strings::formatMessage(Strings::loadString(StringId::JobConverting), {QFileInfo(path).fileName()});
    if (!copyFileOver(target.path(), original, &why, CopyMode::OwnerOnly, progress, converting)) {
        if (!stopped())
            result.error = Strings::loadString(StringId::UnableToConvert) + QLatin1Char('\n') + why;
        return result;
    }
    if (result.fromVersion < kSchemaVersion2) {
        const OperationResult conversion = SchemaVersions::convertSchema1(original, converted);
        why = conversion.message();
    } else {
        QFile::rename(original, converted);
        const OperationResult upgrade = SchemaVersions::upgradeToCurrent(converted);
        why = upgrade.message();
    }
    if (!why.isEmpty()) {
        result.error = Strings::loadString(StringId::UnableToConvert) + QLatin1Char('\n') + why;
        return result;
    }
    if (stopped())
        return result;
    if (beforeReplacing) {
        const OperationResult before = beforeReplacing(converted);
        if (!before) {
            result.cancelled = before.isCancelled();
            result.error = before.message();
            return result;
        }
    }
    if (!writeBackup(target.path(), &why)) {
        result.error = why;
        return result;
    }
    if (!commitCopy(target, converted, &why)) {
        result.error = why;
        return result;
    }
    result.ok = true;
    return result;
}
