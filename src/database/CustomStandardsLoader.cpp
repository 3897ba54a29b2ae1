#include "database/CustomStandardsLoader.h"

#include "app/ApplicationIdentity.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CKAVStandardsSet2.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TestDatabaseSchema.h"
#include "standards/StandardsCatalog.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kSharedFileName = QStringLiteral("shareddata.mdb");

} // namespace

QString CustomStandards::sharedStandardsPath()
{
    const QString configured = qEnvironmentVariable("FIBROLOG_SHARED_STANDARDS");
    if (!configured.isEmpty())
        return configured;
    const QString local = QDir::current().filePath(kSharedFileName);
    if (QFileInfo::exists(local))
        return local;
    return QDir(userDataFolder()).filePath(kSharedFileName);
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
        qWarning().noquote() << "Custom standards of the test database not loaded:" << e.description();
    }
    return CustomStandards::loadSharedStandards(catalog);
}

QString CustomStandards::reload(StandardsCatalog& catalog, Database& testDatabase)
{
    CKAVStandardsSet2 standards(testDatabase);
    standards.open();
    return CustomStandards::reload(catalog, standards);
}

QString CustomStandards::loadSharedStandards(StandardsCatalog& catalog)
{
    const QString path = CustomStandards::sharedStandardsPath();
    const QFileInfo info(path);
    if (!info.exists())
        return QString();
    try {
        if (!info.isFile())
            throw DatabaseException(QStringLiteral("It is not a file."));
        Database db;
        db.open(path, true, false, kConnectString);
        CKAVStandardsSet2 standards(db);
        standards.open();
        CustomStandards::loadStandardsRows(catalog, standards);
    } catch (const DatabaseException& e) {
        // Nothing is written here, so nothing is lost: the entries read so far stay.
        return Strings::formatMessage(Strings::loadString(StringId::SharedStandardsNotRead),
                                      {QDir::toNativeSeparators(path), e.description()});
    }
    return QString();
}
