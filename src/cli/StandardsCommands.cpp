#include "cli/CliCommands.h"

#include "app/OutputFile.h"
#include "cli/CliApp.h"
#include "cli/CliDatabase.h"
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
#include <QLocale>

#include <array>

const CommandSpec kStandardsSpec{QStringLiteral("standards"), 0, 0, {QStringLiteral("db")}, {}};

const CommandSpec kBudgetSpec{QStringLiteral("budget"),
                              0,
                              0,
                              {QStringLiteral("standard"), QStringLiteral("custom-id"),
                               QStringLiteral("fiber-type"), QStringLiteral("length-km"),
                               QStringLiteral("connectors"), QStringLiteral("splices"), QStringLiteral("db"),
                               QStringLiteral("pdf")},
                              {}};

const CommandSpec kAddStandardSpec{QStringLiteral("add-standard"), 1, 1, {}, {}, {QStringLiteral("entry")}};

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
    const auto lengthKm = static_cast<float>(
        line.doubleValue(QStringLiteral("length-km"), 0.0, PlausibleValues::kMaxLinkLengthKm));
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
    int lines = 0;
    while (catalog.findNext(filter, position, entry)) {
        budget.setStandard(entry.standardNumber, entry.customStandardId, entry.fiberType, entry.wavelength);
        context.out << entry.wavelength << '\t' << plain(budget.allowedLoss()) << '\n';
        ++lines;
    }
    if (lines == 0) {
        // Says what there is to choose from.
        context.err << "fibrolog-cli: " << validateLinkStandard(filter, catalog) << '\n';
        return ExitError;
    }
    if (line.has(QStringLiteral("pdf")) &&
        !writeBudgetPdf(pdf, catalog, filter, lengthKm, connectors, splices, context))
        return ExitError;
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
    context.out << "saved " << rows.size() << (rows.size() == 1 ? " entry" : " entries") << " of " << name
                << " to " << QDir::toNativeSeparators(CustomStandards::sharedStandardsPath()) << '\n'
                << saved.id << '\n';
    return ExitOk;
}
