#include "database/CustomStandardsLoader.h"

#include "database/CKAVStandardsSet2.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TestDatabaseSchema.h"
#include "standards/StandardsCatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QtDebug>

QString sharedStandardsPath()
{
    const QString configured = qEnvironmentVariable("FIBROLOG_SHARED_STANDARDS");
    if (!configured.isEmpty())
        return configured;
    return QDir::current().filePath(QStringLiteral("shareddata.mdb"));
}

void loadStandardsRows(StandardsCatalog& catalog, CKAVStandardsSet2& standards)
{
    standards.setFilter(QString());
    standards.requery();
    while (!standards.isEOF()) {
        StandardEntry entry = standards.entry();
        catalog.add(entry);
        standards.moveNext();
    }
}

void reload(StandardsCatalog& catalog, CKAVStandardsSet2& standardsRecordset)
{
    catalog.resetToBuiltIn();
    try {
        loadStandardsRows(catalog, standardsRecordset);
    } catch (const DatabaseException& e) {
        qWarning().noquote() << "Custom standards of the test database not loaded:" << e.description();
    }
    loadSharedStandards(catalog);
}

void loadSharedStandards(StandardsCatalog& catalog)
{
    const QString path = sharedStandardsPath();
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return;
    try {
        Database db;
        db.open(path, true, false, kConnectString);
        CKAVStandardsSet2 standards(db);
        standards.open();
        loadStandardsRows(catalog, standards);
    } catch (const DatabaseException& e) {
        // Nothing is written here, so nothing is lost: the entries read so far stay.
        qWarning().noquote() << "Shared standards not loaded from" << path << ":" << e.description();
    }
}
