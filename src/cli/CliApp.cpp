#include "cli/CliApp.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliCommands.h"
#include "database/DatabaseException.h"

#include <array>

namespace {

struct Command
{
    const CommandSpec* syntax;
    int (*run)(const CommandLine&, CliContext&);
};

const std::array kCommands = {
    Command{&kStandardsSpec, runStandards},
    Command{&kBudgetSpec, runBudget}, // with --pdf it needs the GUI application object
    Command{&kAddStandardSpec, runAddStandard},
    Command{&kCreateSpec, runCreate},
    Command{&kInfoSpec, runInfo},
    Command{&kUpgradeSpec, runUpgrade},
    Command{&kFindMeterSpec, runFindMeter},
    Command{&kDownloadSpec, runDownload},
    Command{&kImportSpec, runImport},
    Command{&kExportCsvSpec, runExportCsv},
    Command{&kPrintSpec, runPrint}, // needs the GUI application object
};

} // namespace

QString cliUsage()
{
    return QStringLiteral(
        "Usage: fibrolog-cli [--locale NAME] [--verbose] COMMAND [OPTIONS]\n"
        "\n"
        "Commands:\n"
        "  standards [--db FILE.mdb]  list the standards catalogue, one entry a line\n"
        "  budget --standard N [--custom-id ID] --fiber-type T --length-km X\n"
        "         --connectors N --splices N [--db FILE.mdb] [--pdf OUT.pdf]\n"
        "                            allowed loss for every wavelength of a standard\n"
        "                            (custom standards: the shared standards file, and\n"
        "                            with --db those of that test database); --pdf also\n"
        "                            writes the Loss Wizard's printout\n"
        "  add-standard NAME --entry FIBERTYPE,WAVELENGTH,MAXDISTANCE,MAXLOSS,\n"
        "         ATTENUATION,CONNECTORLOSS,SPLICELOSS [--entry ...]\n"
        "                            save a custom standard to the shared standards file,\n"
        "                            one --entry per fiber type (0-3) and wavelength\n"
        "                            (850nm), MAXDISTANCE in metres, numbers with \".\";\n"
        "                            prints its id as the last line\n"
        "  create FILE.mdb [--schema 1.0|2.0|2.1]\n"
        "                            create an empty test database\n"
        "  info FILE.mdb             schema version and row counts\n"
        "  upgrade FILE.mdb          convert a 1.0 or 2.0 file to 2.1, keeping FILE.mdb.backup\n"
        "  find-meter                the meter's port and family (COM1 to COM20)\n"
        "  download [OUT] [--port N] [--into TARGET.mdb [LINK OPTIONS]]\n"
        "                            the meter's results into OUT, and/or stored and saved\n"
        "                            into the test database TARGET (merged when it exists);\n"
        "                            a Corvina meter's results take the link options\n"
        "  import DOWNLOAD TARGET.mdb [--merge|--overwrite] [LINK OPTIONS]\n"
        "                            store a downloaded .kav or .kavw file into a test database\n"
        "  export-csv FILE.mdb OUT.csv\n"
        "                            the evaluated circuits, one row per measured wavelength\n"
        "  print FILE.mdb OUT.pdf [--details|--summary] [--feet] [--color] [--logo IMAGE]\n"
        "        [--paper A4|Letter] [--only-failing] [--link NAME]... [--charts]\n"
        "                            the circuit detail (default) or summary report as PDF;\n"
        "                            of the failing circuits only, of the links named, or both;\n"
        "                            --charts adds each link's chart page to the summary;\n"
        "                            without --logo the built-in logo is printed;\n"
        "                            the paper follows the locale (Letter where that is the\n"
        "                            custom, as in en_US, else A4)\n"
        "\n"
        "Link options (a Corvina .kavw download; all required unless in brackets):\n"
        "  --standard N [--custom-id ID] --fiber-type T (--length-km X | --length-ft X)\n"
        "  --connectors N --splices N --link-name NAME --company NAME [--telephone TEXT]\n"
        "                            an organization of that name in TARGET is reused\n"
        "\n"
        "Options:\n"
        "  --locale NAME             locale for numbers and dates, for example de_DE\n"
        "  --verbose                 diagnostic lines (fibrolog.*) on standard error\n"
        "  --help                    show this text\n");
}

bool cliNeedsGuiApplication(const QStringList& arguments)
{
    QStringList words = arguments;
    try {
        takeLocaleOption(words);
    } catch (const UsageError&) {
        return false;
    }
    // Printing lays out text: the print command, and budget with its printout.
    if (words.isEmpty())
        return false;
    if (words.first() == kPrintSpec.name)
        return true;
    if (words.first() != kBudgetSpec.name)
        return false;
    for (const QString& word : words) {
        if (word == QLatin1String("--"))
            break;
        if (word == QLatin1String("--pdf") || word.startsWith(QLatin1String("--pdf=")))
            return true;
    }
    return false;
}

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QStringList words = arguments;
    try {
        const QString localeName = takeLocaleOption(words);
        if (!initThreadLocale(localeName))
            throw UsageError(QStringLiteral("unknown locale '%1'").arg(localeName));
        if (words.isEmpty())
            throw UsageError(QStringLiteral("no command given"));
        const QString name = words.takeFirst();
        if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
            out << cliUsage();
            return ExitOk;
        }
        for (const Command& command : kCommands) {
            if (command.syntax->name != name)
                continue;
            const CommandLine line = CommandLine::parse(*command.syntax, words);
            CliContext context{out, err};
            return command.run(line, context);
        }
        throw UsageError(QStringLiteral("unknown command '%1'").arg(name));
    } catch (const UsageError& error) {
        err << "fibrolog-cli: " << error.text() << "\n\n" << cliUsage();
        return ExitUsage;
    } catch (const DatabaseException& e) {
        // A database failure that no command step caught ends this command
        // with the engine's words, never the process.
        err << "fibrolog-cli: " << Strings::loadString(StringId::ErrorOccurred) << e.description() << '\n';
        return ExitError;
    } catch (const std::exception& e) {
        err << "fibrolog-cli: " << QString::fromLocal8Bit(e.what()) << '\n';
        return ExitError;
    }
}
