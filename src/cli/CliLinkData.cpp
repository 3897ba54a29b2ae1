#include "cli/CliLinkData.h"

#include "database/CircuitFile.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TestDatabaseSchema.h"
#include "standards/PlausibleValues.h"
#include "standards/RecordId.h"
#include "standards/StandardsCatalog.h"

#include <QFileInfo>
#include <QtDebug>

#include <cmath>

namespace {

constexpr double kMetresPerFoot = 0.3048;

RecordId customIdOf(const CommandLine& line)
{
    const RecordId id = customIdOption(line);
    return id.isEmpty() ? recordIdFromGuid(Guid{}) : id;
}

double lengthKmOf(const CommandLine& line)
{
    const bool km = line.has(QStringLiteral("length-km"));
    const bool ft = line.has(QStringLiteral("length-ft"));
    if (km == ft)
        throw UsageError(QStringLiteral("give the length with either --length-km or --length-ft"));
    if (km)
        return line.doubleValue(QStringLiteral("length-km"), 0.0, PlausibleValues::kMaxLinkLengthKm);
    // Whole feet below the bound, so that the figure the message names is one accepted.
    const double maxFeet = std::floor(PlausibleValues::kMaxLinkLengthMetres / kMetresPerFoot);
    const double feet = line.doubleValue(QStringLiteral("length-ft"), 0.0, maxFeet);
    return feet * kMetresPerFoot / 1000.0;
}

// The catalogue the link will be judged with once stored in the target.
void loadTargetCatalogue(const QString& targetDatabase, StandardsCatalog& catalog)
{
    QString ignored; // a shared file that cannot be read is said when the import runs
    if (QFileInfo(targetDatabase).isFile()) {
        Database db;
        if (CircuitFile::open(targetDatabase, db, catalog, &ignored))
            return;
        // Saving into it says what is wrong with it; its standards are not known.
        catalog.resetToBuiltIn();
    }
    CustomStandards::loadSharedStandards(catalog);
}

} // namespace

QStringList linkOptionNames()
{
    return {QStringLiteral("standard"),  QStringLiteral("custom-id"), QStringLiteral("fiber-type"),
            QStringLiteral("length-km"), QStringLiteral("length-ft"), QStringLiteral("connectors"),
            QStringLiteral("splices"),   QStringLiteral("link-name"), QStringLiteral("company"),
            QStringLiteral("telephone")};
}

bool hasLinkOptions(const CommandLine& line)
{
    for (const QString& name : linkOptionNames()) {
        if (line.has(name))
            return true;
    }
    return false;
}

LinkData linkDataFromOptions(const CommandLine& line, const QString& targetDatabase)
{
    LinkData link;
    link.standard.standardNumber =
        static_cast<std::int16_t>(line.intValue(QStringLiteral("standard"), 0, 32767));
    link.standard.customGuid = guidFromRecordId(customIdOf(line));
    link.standard.fiberType = static_cast<std::uint8_t>(line.intValue(QStringLiteral("fiber-type"), 0, 3));
    link.standard.wavelengthNumber = -1;
    link.lengthKm = lengthKmOf(line);
    link.connectorPairs = line.intValue(QStringLiteral("connectors"), 0, LinkData::kMaxCount);
    link.splices = line.intValue(QStringLiteral("splices"), 0, LinkData::kMaxCount);
    link.linkName = line.requiredValue(QStringLiteral("link-name"));
    link.company.name = line.requiredValue(QStringLiteral("company"));
    link.company.telephone = line.value(QStringLiteral("telephone"));
    if (const QString invalid = validateLinkData(link); !invalid.isEmpty())
        throw UsageError(invalid);
    StandardsCatalog catalog;
    loadTargetCatalogue(targetDatabase, catalog);
    if (const QString unknown = validateLinkStandard(link.standard, catalog); !unknown.isEmpty())
        throw UsageError(unknown);
    return link;
}

std::optional<LinkData> CliLinkDataSource::askLinkData(const CorvinaMeterInfo&, const QList<CompanyChoice>&)
{
    LinkData link = link_;
    if (!QFileInfo(target_).isFile())
        return link;
    try {
        Database db;
        db.open(target_, true, true, kConnectString);
        for (const CompanyChoice& choice : listCompanyChoices(db)) {
            if (choice.name == link.company.name) {
                link.company = choice;
                break;
            }
        }
    } catch (const DatabaseException& e) {
        // Saving into the target says what is wrong with it; here it only
        // means no organisation of its own is reused.
        qWarning().noquote() << "Organisations of" << target_ << "not read:" << e.description();
    }
    return link;
}
