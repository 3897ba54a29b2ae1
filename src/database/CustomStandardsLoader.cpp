#include "database/CustomStandardsLoader.h"

#include "app/LogCategories.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/UserFolders.h"
#include "database/CKAVStandardsSet2.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TestDatabaseSchema.h"
#include "standards/StandardsCatalog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kSharedFileName = QStringLiteral("shareddata.mdb");

// Long enough for any reader or saver of a standards file to let go, short
// enough that a window opening a file held for good does not seem to hang.
constexpr int kBusyWaitMs = 2000;

bool isInUse(const DatabaseException& e)
{
    return e.description().contains(QLatin1String(" is in use"));
}

} // namespace

QString CustomStandards::sharedStandardsPath()
{
    // Never the current folder: a file planted in a folder the program is
    // started in would change what every report judges.
    const QString configured = qEnvironmentVariable("FIBROLOG_SHARED_STANDARDS");
    if (!configured.isEmpty())
        return configured;
    return QDir(UserFolders::dataFolder()).filePath(kSharedFileName);
}

void CustomStandards::loadStandardsRows(StandardsCatalog& catalog, CKAVStandardsSet2& standards)
{
    standards.setFilter(QString());
    standards.requery();
    while (!standards.isEOF()) {
        StandardEntry entry = standards.entry();
        catalog.add(entry);
        standards.moveNext();
    }
}

QString CustomStandards::reload(StandardsCatalog& catalog, CKAVStandardsSet2& standardsRecordset)
{
    catalog.resetToBuiltIn();
    try {
        CustomStandards::loadStandardsRows(catalog, standardsRecordset);
    } catch (const DatabaseException& e) {
        qCWarning(lcDatabase).noquote()
            << "Custom standards of the test database not loaded:" << e.description();
    }
    return CustomStandards::loadSharedStandards(catalog);
}

QString CustomStandards::reload(StandardsCatalog& catalog, Database& testDatabase)
{
    CKAVStandardsSet2 standards(testDatabase);
    standards.open();
    return CustomStandards::reload(catalog, standards);
}

void CustomStandards::openStandardsFile(Database& db, const QString& path, bool forWriting)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        try {
            db.open(path, true, !forWriting, kConnectString);
            return;
        } catch (const DatabaseException& e) {
            if (!isInUse(e) || waited.elapsed() >= kBusyWaitMs)
                throw;
        }
        QThread::msleep(20);
    }
}

QString CustomStandards::loadSharedStandards(StandardsCatalog& catalog)
{
    const QString path = CustomStandards::sharedStandardsPath();
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    {
    };
    // A folder on the way that the user may not enter hides whether the
    // file is there: that is said, not taken for a missing file.
    const bool found = ::stat(name.constData(), &info) == 0;
    if (!found && errno != EACCES) {
        qCDebug(lcDatabase).noquote() << "No shared standards file at" << path;
        return QString();
    }
    qCDebug(lcDatabase).noquote() << "Reading the shared standards file" << path;
    try {
        if (!found || ::faccessat(AT_FDCWD, name.constData(), R_OK, AT_EACCESS) != 0)
            throw DatabaseException(Strings::loadString(StringId::SharedStandardsNoPermission));
        if (!S_ISREG(info.st_mode))
            throw DatabaseException(QStringLiteral("It is not a file."));
        Database db;
        CustomStandards::openStandardsFile(db, path, false);
        CKAVStandardsSet2 standards(db);
        standards.open();
        CustomStandards::loadStandardsRows(catalog, standards);
    } catch (const DatabaseException& e) {
        qCWarning(lcDatabase).noquote()
            << "The shared standards file" << path << "was not read:" << e.description();
        // Nothing is written here, so nothing is lost: the entries read so far stay.
        return Strings::formatMessage(Strings::loadString(StringId::SharedStandardsNotRead),
                                      {QDir::toNativeSeparators(path), e.description()});
    }
    return QString();
}
