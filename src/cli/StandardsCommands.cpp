#include "cli/CliCommands.h"

#include "cli/CliApp.h"
#include "cli/CliDatabase.h"
#include "database/Database.h"
#include "standards/RecordId.h"
#include "standards/StandardLinkBudget.h"
#include "standards/StandardsCatalog.h"

const CommandSpec kStandardsSpec{QStringLiteral("standards"), 0, 0, {QStringLiteral("db")}, {}};

const CommandSpec kBudgetSpec{QStringLiteral("budget"),
                              0,
                              0,
                              {QStringLiteral("standard"), QStringLiteral("custom-id"),
                               QStringLiteral("fiber-type"), QStringLiteral("length-km"),
                               QStringLiteral("connectors"), QStringLiteral("splices"), QStringLiteral("db")},
                              {}};

namespace {

// Machine-readable numbers: "." and two decimals whatever the locale.
QString plain(float value)
{
    return QString::asprintf("%.2f", static_cast<double>(value));
}

// Accepts the stored form "{guid {...}}" or a bare GUID.
RecordId customIdOption(const CommandLine& line)
{
    if (!line.has(QStringLiteral("custom-id")))
        return {};
    const QString text = line.value(QStringLiteral("custom-id")).trimmed();
    const RecordId id =
        text.size() == kRecordIdLength ? text : QStringLiteral("{guid {%1}}").arg(text.toLower());
    if (isNullGuid(guidFromRecordId(id)))
        throw UsageError(QStringLiteral("option --custom-id needs a GUID"));
    return id;
}

// The catalogue as the program has it: with the shared standards file and,
// with --db, the custom standards of that test database. False when the
// database cannot be read (the reason is written).
bool loadCommandCatalogue(const CommandLine& line, StandardsCatalog& catalog, CliContext& context)
{
    if (!line.has(QStringLiteral("db"))) {
        loadSharedCatalogue(catalog, context.err);
        return true;
    }
    Database db;
    return openCircuitFile(line.value(QStringLiteral("db")), db, catalog, context.err);
}

} // namespace

int runStandards(const CommandLine& line, CliContext& context)
{
    StandardsCatalog catalog;
    if (!loadCommandCatalogue(line, catalog, context))
        return ExitError;
    CatalogPosition position;
    StandardKey key;
    StandardEntry entry;
    while (catalog.iterate(position, key, entry)) {
        context.out << entry.standardNumber << '\t' << entry.standardName << '\t' << entry.customStandardId
                    << '\t' << static_cast<int>(entry.fiberType) << '\t' << entry.wavelength << '\t'
                    << plain(entry.maxDistance) << '\t' << plain(entry.maxLoss) << '\t'
                    << plain(entry.attenuation) << '\t' << plain(entry.connectorLoss) << '\t'
                    << plain(entry.spliceLoss) << '\n';
    }
    return ExitOk;
}

int runBudget(const CommandLine& line, CliContext& context)
{
    const auto standard = static_cast<std::int16_t>(line.intValue(QStringLiteral("standard"), 0, 32767));
    const RecordId customId = customIdOption(line);
    const auto fiberType = static_cast<std::uint8_t>(line.intValue(QStringLiteral("fiber-type"), 0, 3));
    const auto lengthKm = static_cast<float>(line.doubleValue(QStringLiteral("length-km"), 0.0, 1.0e6));
    const int connectors = line.intValue(QStringLiteral("connectors"), 0, 32767);
    const int splices = line.intValue(QStringLiteral("splices"), 0, 32767);

    StandardsCatalog catalog;
    if (!loadCommandCatalogue(line, catalog, context))
        return ExitError;
    StandardLinkBudget budget;
    budget.setCatalogue(&catalog);
    budget.setLengthKm(lengthKm);
    budget.setConnectorPairs(connectors);
    budget.setSplices(splices);

    StandardKey filter;
    filter.standardNumber = standard;
    filter.customGuid = guidFromRecordId(customId);
    filter.fiberType = fiberType;
    filter.wavelengthNumber = -1;

    CatalogPosition position;
    StandardEntry entry;
    int lines = 0;
    while (catalog.findNext(filter, position, entry)) {
        budget.setStandard(entry.standardNumber, entry.customStandardId, entry.fiberType, entry.wavelength);
        context.out << entry.wavelength << '\t' << plain(budget.allowedLoss()) << '\n';
        ++lines;
    }
    if (lines == 0) {
        context.err << QStringLiteral("fibrolog-cli: standard %1 has no entries for fiber type %2\n")
                           .arg(standard)
                           .arg(static_cast<int>(fiberType));
        return ExitError;
    }
    return ExitOk;
}
