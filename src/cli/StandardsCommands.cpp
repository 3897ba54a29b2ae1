#include "cli/CliCommands.h"

#include "app/OutputFile.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliApp.h"
#include "cli/CliDatabase.h"
#include "cli/CliOutput.h"
#include "database/CustomStandardSaver.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "document/LinkData.h"
#include "report/LogoSource.h"
#include "report/LossWizardReport.h"
#include "report/PdfReportFile.h"
#include "standards/LossSummary.h"
#include "standards/PlausibleValues.h"
#include "standards/RecordId.h"
#include "standards/StandardLinkBudget.h"
#include "standards/StandardsCatalog.h"

#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QLocale>

#include <array>

const CommandSpec kStandardsSpec{
    QStringLiteral("standards"),
    0,
    0,
    {QStringLiteral("db")},
    {QStringLiteral("json")},
    {},
    {QStringLiteral("standards [--db FILE.mdb] [--json]"),
     QStringLiteral("list the standards catalogue, one entry a line"),
     QStringLiteral("The built-in standards, those of the shared standards file and, with --db,\n"
                    "the custom standards of that test database, in catalogue order. Each line,\n"
                    "tab-separated: number, name, custom id, fiber type, wavelength, max distance (m),\n"
                    "max loss (dB), attenuation (dB/km), connector loss (dB), splice loss (dB).\n"
                    "\n"
                    "  --db FILE.mdb   also the custom standards of this test database\n"
                    "  --json          one JSON document: {\"standards\": [{\"number\": ..., ...}]}")}};

const CommandSpec kBudgetSpec{
    QStringLiteral("budget"),
    0,
    0,
    {QStringLiteral("standard"), QStringLiteral("custom-id"), QStringLiteral("fiber-type"),
     QStringLiteral("length-km"), QStringLiteral("connectors"), QStringLiteral("splices"),
     QStringLiteral("db"), QStringLiteral("pdf")},
    {QStringLiteral("json")},
    {},
    {QStringLiteral("budget --standard N [--custom-id ID] --fiber-type T --length-km X --connectors N "
                    "--splices N [--db FILE.mdb] [--pdf OUT.pdf] [--json]"),
     QStringLiteral("the allowed loss for every wavelength of a standard"),
     QStringLiteral("One line per wavelength the standard covers for the fiber type: wavelength,\n"
                    "tab, allowed loss in dB.\n"
                    "\n"
                    "  --standard N      the standard's number (0 for a custom standard)\n"
                    "  --custom-id ID    a custom standard's id as add-standard prints it,\n"
                    "                    {guid {...}}, {...} or the bare GUID\n"
                    "  --fiber-type T    0-3\n"
                    "  --length-km X     the link's length in km\n"
                    "  --connectors N    connector pairs\n"
                    "  --splices N       splices\n"
                    "  --db FILE.mdb     also the custom standards of this test database\n"
                    "  --pdf OUT.pdf     also write the Loss Wizard's printout\n"
                    "  --json            one JSON document: {\"budgets\": [{\"wavelength\": ..., "
                    "\"allowed_loss_db\": ...}], ...}")}};

const CommandSpec kAddStandardSpec{
    QStringLiteral("add-standard"),
    1,
    1,
    {},
    {},
    {QStringLiteral("entry")},
    {QStringLiteral("add-standard NAME --entry "
                    "FIBERTYPE,WAVELENGTH,MAXDISTANCE,MAXLOSS,ATTENUATION,CONNECTORLOSS,SPLICELOSS "
                    "[--entry ...]"),
     QStringLiteral("save a custom standard to the shared standards file; prints its id"),
     QStringLiteral("Saves the standard in one transaction and prints its id, {guid {...}}, as the\n"
                    "only line of standard output; --custom-id takes it as it is.\n"
                    "\n"
                    "  --entry ...   one per fiber type (0-3) and wavelength (850nm): MAXDISTANCE in\n"
                    "                metres, losses in dB, attenuation in dB/km, numbers with \".\"")}};

namespace {

// Machine-readable numbers: "." and two decimals whatever the locale.
QString plain(float value)
{
    return QString::asprintf("%.2f", static_cast<double>(value));
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

// The Loss Wizard's printout of this budget as a PDF, whole or not at all.
// False, with the reason written, when it could not be written.
bool writeBudgetPdf(const QString& out, const StandardsCatalog& catalog, const StandardKey& filter,
                    float lengthKm, int connectors, int splices, CliContext& context)
{
    LossWizardReport report(computeLossSummary(catalog, filter, lengthKm, connectors, splices));
    const LogoSource noLogo{QString()};
    QString error;
    if (PdfReportFile(out, PdfReportFile::paperFor(QLocale())).write(report, noLogo, &error) == 0) {
        context.err << "fibrolog-cli: " << error << '\n';
        return false;
    }
    return true;
}

// "FIBERTYPE,WAVELENGTH,MAXDISTANCE,MAXLOSS,ATTENUATION,CONNECTORLOSS,SPLICELOSS",
// numbers with "." whatever the locale. Only the form is checked here; what
// the values may be is the saver's rule.
StandardEntry entryOption(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    const auto refuse = [&text]() {
        return UsageError(QStringLiteral("--entry '%1' is not FIBERTYPE,WAVELENGTH,MAXDISTANCE,MAXLOSS,"
                                         "ATTENUATION,CONNECTORLOSS,SPLICELOSS")
                              .arg(text));
    };
    if (fields.size() != 7)
        throw refuse();
    bool ok = false;
    const uint fiberType = fields.at(0).trimmed().toUInt(&ok);
    if (!ok || fiberType > 255)
        throw refuse();
    std::array<float, 5> numbers{};
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        numbers[k] = fields.at(static_cast<qsizetype>(k) + 2).trimmed().toFloat(&ok);
        if (!ok)
            throw refuse();
    }
    StandardEntry entry;
    entry.fiberType = static_cast<std::uint8_t>(fiberType);
    entry.wavelength = fields.at(1).trimmed();
    entry.maxDistance = numbers[0];
    entry.maxLoss = numbers[1];
    entry.attenuation = numbers[2];
    entry.connectorLoss = numbers[3];
    entry.spliceLoss = numbers[4];
    return entry;
}

// One catalogue entry, with the names and units of the plain listing.
QJsonObject jsonEntry(const StandardEntry& entry)
{
    using CliOutput::jsonNumber;
    // A built-in standard has no custom id; its all-zero GUID is no id.
    const bool custom = !isNullGuid(guidFromRecordId(entry.customStandardId));
    return {
        {QStringLiteral("number"), entry.standardNumber},
        {QStringLiteral("name"), entry.standardName},
        {QStringLiteral("custom_id"), custom ? QJsonValue(entry.customStandardId) : QJsonValue()},
        {QStringLiteral("fiber_type"), static_cast<int>(entry.fiberType)},
        {QStringLiteral("wavelength"), entry.wavelength},
        {QStringLiteral("max_distance_m"), jsonNumber(entry.maxDistance)},
        {QStringLiteral("max_loss_db"), jsonNumber(entry.maxLoss)},
        {QStringLiteral("attenuation_db_per_km"), jsonNumber(entry.attenuation)},
        {QStringLiteral("connector_loss_db"), jsonNumber(entry.connectorLoss)},
        {QStringLiteral("splice_loss_db"), jsonNumber(entry.spliceLoss)},
    };
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
    if (line.has(QStringLiteral("json"))) {
        QJsonArray standards;
        while (catalog.iterate(position, key, entry))
            standards.append(jsonEntry(entry));
        CliOutput::writeJson(context, {{QStringLiteral("standards"), standards}});
        return ExitOk;
    }
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
    const double lengthKmGiven =
        line.doubleValue(QStringLiteral("length-km"), 0.0, PlausibleValues::kMaxLinkLengthKm);
    const auto lengthKm = static_cast<float>(lengthKmGiven);
    const int connectors = line.intValue(QStringLiteral("connectors"), 0, 32767);
    const int splices = line.intValue(QStringLiteral("splices"), 0, 32767);

    const QString pdf = line.value(QStringLiteral("pdf"));
    if (line.has(QStringLiteral("pdf"))) {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            context.err << "fibrolog-cli: printing needs the GUI application object\n";
            return ExitError;
        }
        QString refused;
        if (!OutputFile::check(pdf, line.value(QStringLiteral("db")), &refused)) {
            context.err << "fibrolog-cli: " << refused << '\n';
            return ExitError;
        }
    }

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
    QJsonArray budgets;
    QString plainLines;
    while (catalog.findNext(filter, position, entry)) {
        budget.setStandard(entry.standardNumber, entry.customStandardId, entry.fiberType, entry.wavelength);
        plainLines += entry.wavelength + QLatin1Char('\t') + plain(budget.allowedLoss()) + QLatin1Char('\n');
        budgets.append(
            QJsonObject{{QStringLiteral("wavelength"), entry.wavelength},
                        {QStringLiteral("allowed_loss_db"), CliOutput::jsonNumber(budget.allowedLoss())}});
    }
    if (budgets.isEmpty()) {
        // Says what there is to choose from.
        context.err << "fibrolog-cli: " << validateLinkStandard(filter, catalog) << '\n';
        return ExitError;
    }
    if (line.has(QStringLiteral("pdf")) &&
        !writeBudgetPdf(pdf, catalog, filter, lengthKm, connectors, splices, context))
        return ExitError;
    if (line.has(QStringLiteral("json"))) {
        CliOutput::writeJson(context, {{QStringLiteral("standard"), standard},
                                       {QStringLiteral("custom_id"), CliOutput::jsonText(customId)},
                                       {QStringLiteral("fiber_type"), fiberType},
                                       {QStringLiteral("length_km"), lengthKmGiven},
                                       {QStringLiteral("connectors"), connectors},
                                       {QStringLiteral("splices"), splices},
                                       {QStringLiteral("budgets"), budgets}});
    } else {
        context.out << plainLines;
    }
    return ExitOk;
}

int runAddStandard(const CommandLine& line, CliContext& context)
{
    const QString name = line.positional().at(0);
    const QStringList entries = line.values(QStringLiteral("entry"));
    if (entries.isEmpty())
        throw UsageError(QStringLiteral("add-standard needs at least one --entry"));
    std::vector<StandardEntry> rows;
    for (const QString& text : entries)
        rows.push_back(entryOption(text));

    const SavedStandard saved = saveCustomStandard(name, rows, nullptr);
    if (!saved.result) {
        context.err << "fibrolog-cli: " << saved.result.message() << '\n';
        return ExitError;
    }
    context.status << Strings::formatMessage(
                          Strings::loadString(StringId::CliSavedStandard),
                          {CliOutput::countText(static_cast<qint64>(rows.size()), StringId::CliEntryCountOne,
                                                StringId::CliEntryCountMany),
                           name, QDir::toNativeSeparators(CustomStandards::sharedStandardsPath())})
                   << '\n';
    context.status.flush();
    context.out << saved.id << '\n';
    return ExitOk;
}
