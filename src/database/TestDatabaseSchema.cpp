#include "database/TestDatabaseSchema.h"

#include "database/Database.h"
#include "database/DatabaseException.h"

#include <QFileInfo>

namespace {

IndexDef index(const QString& name, const QStringList& fields, bool primary, bool unique, bool required)
{
    IndexDef def;
    def.name = name;
    for (const QString& field : fields)
        def.fields.push_back({field, false});
    def.primary = primary;
    def.unique = unique;
    def.required = required;
    return def;
}

TableLayout siteLayout(float version)
{
    TableLayout layout;
    layout.table.name = QStringLiteral("Site");
    auto& c = layout.table.columns;
    c = {ColumnDef::guid("SiteNumber"),    ColumnDef::guid("CompanyNumber"),
         ColumnDef::text("SiteName", 50),  ColumnDef::date("Date"),
         ColumnDef::date("UploadDate"),    ColumnDef::date("CalibrationDate"),
         ColumnDef::single("FiberLength"), ColumnDef::integer("Connections"),
         ColumnDef::integer("Splices"),    ColumnDef::single("Temperature"),
         ColumnDef::integer("FiberType")};
    if (version < kSchemaVersion2) {
        c.push_back(ColumnDef::single("850Reference"));
        c.push_back(ColumnDef::single("1300Reference"));
        c.push_back(ColumnDef::single("1500Reference"));
    } else {
        c.push_back(ColumnDef::integer("Wizard"));
        c.push_back(ColumnDef::integer("Standard"));
        for (const char* name :
             {"850Reference", "980Reference", "1300Reference", "1480Reference", "1550Reference"})
            c.push_back(ColumnDef::single(QLatin1String(name)));
        for (int n = 1; n <= 5; ++n)
            c.push_back(ColumnDef::fixedText(QStringLiteral("Wavelength%1").arg(n), 6));
        c.push_back(ColumnDef::guid("CustomStandardID"));
        if (version > kSchemaVersion2)
            c.push_back(ColumnDef::text("SiteComment", 128));
    }
    layout.indexes = {index("SiteNumber", {"SiteNumber"}, true, true, true),
                      index("SiteName", {"SiteName"}, false, false, false),
                      index("CompanyNumber", {"CompanyNumber"}, false, false, true)};
    return layout;
}

TableLayout fiberLayout(float version)
{
    TableLayout layout;
    layout.table.name = QStringLiteral("Fiber");
    auto& c = layout.table.columns;
    c = {ColumnDef::guid("FiberNumber"), ColumnDef::guid("SiteNumber"), ColumnDef::text("FiberName", 50)};
    const auto powers = version < kSchemaVersion2
                            ? QStringList{"850Power", "1300Power", "1500Power"}
                            : QStringList{"850Power", "980Power", "1300Power", "1480Power", "1550Power"};
    for (const QString& name : powers)
        c.push_back(ColumnDef::single(name));
    c.push_back(ColumnDef::integer("FiberType"));
    layout.indexes = {index("FiberNumber", {"FiberNumber"}, true, true, true),
                      index("SiteNumber", {"SiteNumber"}, false, false, true),
                      index("FiberName", {"FiberName"}, false, false, false)};
    return layout;
}

TableLayout companyLayout()
{
    TableLayout layout;
    layout.table.name = QStringLiteral("Company");
    layout.table.columns = {ColumnDef::guid("CompanyNumber"), ColumnDef::fixedText("CompanyPhone", 13),
                            ColumnDef::text("CompanyName", 50), ColumnDef::text("SerialNo", 20),
                            ColumnDef::text("Version", 20)};
    layout.indexes = {index("CompanyNumber", {"CompanyNumber"}, true, true, true),
                      index("CompanyName", {"CompanyName"}, false, false, false)};
    return layout;
}

// Opens the file the creation found in place, as the builder does.
void createOrOpen(Database& db, const QString& path)
{
    if (!QFileInfo::exists(path)) {
        db.create(path, kCreationLocale, Database::kEncrypt);
        db.setPassword(QString(), kDatabasePassword);
        return;
    }
    db.open(path, true, false, kConnectString);
}

void buildTable(Database& db, const TableLayout& layout)
{
    try {
        db.createTable(layout.table);
    } catch (const DatabaseException&) {
        // The table is there already; its indexes are still checked.
    }
    try {
        const QStringList present = db.indexNames(layout.table.name);
        for (const IndexDef& def : layout.indexes) {
            if (present.contains(def.name))
                continue;
            try {
                db.createIndex(layout.table.name, def);
            } catch (const DatabaseException&) {
                // An index that cannot be made (a primary key of another name,
                // duplicate values) leaves the table as it is.
            }
        }
    } catch (const DatabaseException&) {
    }
}

bool build(const QString& path, const std::vector<TableLayout>& layouts)
{
    Database db;
    createOrOpen(db, path);
    for (const TableLayout& layout : layouts)
        buildTable(db, layout);
    db.close();
    return true;
}

} // namespace

std::vector<TableLayout> schemaLayout(float version)
{
    if (version == kSchemaVersion1)
        return {siteLayout(version), fiberLayout(version), companyLayout()};
    return {siteLayout(version), fiberLayout(version), companyLayout(), standardsLayout()};
}

TableLayout standardsLayout()
{
    TableLayout layout;
    layout.table.name = QStringLiteral("Standards");
    layout.table.columns = {ColumnDef::integer("StandardNumber"), ColumnDef::text("StandardName", 50),
                            ColumnDef::guid("CustomStandardID"),  ColumnDef::byte("FiberType"),
                            ColumnDef::text("Wavelength", 7),     ColumnDef::single("MaxDistance"),
                            ColumnDef::single("MaxLoss"),         ColumnDef::single("Attenuation"),
                            ColumnDef::single("ConnectorLoss"),   ColumnDef::single("SpliceLoss")};
    layout.indexes = {
        index("StandardIndex", {"CustomStandardID", "FiberType", "Wavelength"}, true, false, true)};
    return layout;
}

bool createTestDatabase(const QString& path, float version)
{
    if (version != kSchemaVersion1 && version != kSchemaVersion2 && version != kCurrentSchemaVersion)
        return false;
    return build(path, schemaLayout(version));
}

void createTestDatabase(Database& db, const QString& path)
{
    db.create(path, kCreationLocale, Database::kEncrypt);
    db.setPassword(QString(), kDatabasePassword);
    for (const TableLayout& layout : schemaLayout(kCurrentSchemaVersion))
        buildTable(db, layout);
}

bool createSharedStandardsFile(const QString& path)
{
    return build(path, {standardsLayout()});
}
