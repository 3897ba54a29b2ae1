#include "cli/CliApp.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliCommands.h"
#include "database/DatabaseException.h"

#include <QIODevice>

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
    Command{&kListPortsSpec, runListPorts},
    Command{&kDownloadSpec, runDownload},
    Command{&kImportSpec, runImport},
    Command{&kExportCsvSpec, runExportCsv},
    Command{&kPrintSpec, runPrint}, // needs the GUI application object
    Command{&kServerInitSpec, runServerInit},
    Command{&kServerInfoSpec, runServerInfo},
    Command{&kPublishSpec, runPublish},
    Command{&kFetchSpec, runFetch},
};

const QString kProgram = QStringLiteral("fibrolog-cli");

// A synopsis folded at word boundaries to fit a terminal of 80 columns,
// continued further in.
QString folded(const QString& text, int firstIndent, int nextIndent)
{
    constexpr int kWidth = 79;
    QString result;
    int column = firstIndent;
    // A group in brackets or parentheses stays on one line when it fits.
    QStringList words;
    int depth = 0;
    QString current;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') && depth == 0) {
            if (!current.isEmpty())
                words << current;
            current.clear();
            continue;
        }
        if (c == QLatin1Char('[') || c == QLatin1Char('('))
            ++depth;
        else if ((c == QLatin1Char(']') || c == QLatin1Char(')')) && depth > 0)
            --depth;
        current += c;
    }
    if (!current.isEmpty())
        words << current;
    for (const QString& word : std::as_const(words)) {
        const bool lineStart = column == firstIndent && result.isEmpty();
        if (!lineStart && column + 1 + word.size() > kWidth) {
            result += QLatin1Char('\n') + QString(nextIndent, QLatin1Char(' '));
            column = nextIndent;
        } else if (!lineStart) {
            result += QLatin1Char(' ');
            ++column;
        }
        result += word;
        column += static_cast<int>(word.size());
    }
    return result;
}

} // namespace

QString cliUsage()
{
    QString text = QStringLiteral("Usage: fibrolog-cli [GLOBAL OPTIONS] COMMAND [ARGUMENTS]\n\nCommands:\n");
    for (const Command& command : kCommands) {
        const CommandUsage& usage = command.syntax->usage;
        text += QStringLiteral("  ") +
                folded(usage.synopsis.isEmpty() ? command.syntax->name : usage.synopsis, 2, 8) +
                QLatin1Char('\n');
        if (!usage.summary.isEmpty())
            text += QStringLiteral("      ") + usage.summary + QLatin1Char('\n');
    }
    text += QStringLiteral("\n"
                           "Global options (before or after the command):\n"
                           "  --locale NAME   language, numbers and dates, for example de_DE\n"
                           "  --quiet         no status on standard error; errors are still shown\n"
                           "  --verbose       diagnostic lines (fibrolog.*) on standard error\n"
                           "  --version       the program's name and version\n"
                           "  --help, -h      this text; COMMAND --help shows that command's usage\n"
                           "\n"
                           "Standard output carries only data (CSV, JSON, lists, ids); status goes to\n"
                           "standard error. \"-\" as OUT of export-csv and print is standard output, as\n"
                           "the DOWNLOAD of import standard input.\n"
                           "Exit status: 0 done, 1 failed (the reason on standard error), 2 usage error,\n"
                           "130 interrupted (SIGINT), 143 terminated (SIGTERM).\n");
    return text;
}

QString commandUsage(const CommandSpec& command)
{
    const CommandUsage& usage = command.usage;
    QString text = QStringLiteral("Usage: fibrolog-cli ") +
                   folded(usage.synopsis.isEmpty() ? command.name : usage.synopsis, 20, 8) +
                   QLatin1Char('\n');
    if (!usage.summary.isEmpty())
        text += QLatin1Char('\n') + usage.summary + QLatin1Char('\n');
    if (!usage.details.isEmpty())
        text += QLatin1Char('\n') + usage.details + (usage.details.endsWith(QLatin1Char('\n')) ? "" : "\n");
    text += QStringLiteral("\nGlobal options: --locale NAME, --quiet, --verbose; see fibrolog-cli --help.\n");
    return text;
}

QString cliVersion()
{
    return kProgram + QLatin1Char(' ') + QStringLiteral(FIBROLOG_VERSION);
}

bool cliNeedsGuiApplication(const QStringList& arguments)
{
    QStringList words = arguments;
    try {
        takeLocaleOption(words);
    } catch (const UsageError&) {
        return false;
    }
    takeQuietOption(words);
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

namespace {

// A usage error: the reason, the synopsis of the command it was for and where
// to read more, never the whole list.
void reportUsageError(QTextStream& err, const QString& reason, const CommandSpec* command)
{
    err << "fibrolog-cli: " << reason << '\n';
    if (command) {
        err << "Usage: fibrolog-cli "
            << (command->usage.synopsis.isEmpty() ? command->name : command->usage.synopsis) << '\n'
            << "Try 'fibrolog-cli " << command->name << " --help' for more information.\n";
    } else {
        err << "Usage: fibrolog-cli [GLOBAL OPTIONS] COMMAND [ARGUMENTS]\n"
            << "Try 'fibrolog-cli --help' for more information.\n";
    }
}

// Where status goes with --quiet: nowhere.
class DiscardingDevice : public QIODevice
{
public:
    DiscardingDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override { return size; }
};

} // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QStringList words = arguments;
    const CommandSpec* current = nullptr;
    try {
        const QString localeName = takeLocaleOption(words);
        const bool quiet = takeQuietOption(words);
        if (!initThreadLocale(localeName))
            throw UsageError(QStringLiteral("unknown locale '%1'").arg(localeName));
        if (words.isEmpty())
            throw UsageError(QStringLiteral("no command given"));
        const QString name = words.takeFirst();
        if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
            out << cliUsage();
            return ExitOk;
        }
        if (name == QLatin1String("--version")) {
            out << cliVersion() << '\n';
            return ExitOk;
        }
        for (const Command& command : kCommands) {
            if (command.syntax->name != name)
                continue;
            current = command.syntax;
            const CommandLine line = CommandLine::parse(*command.syntax, words);
            if (line.helpRequested()) {
                out << commandUsage(*command.syntax);
                return ExitOk;
            }
            // Status shares standard error's stream, so that it keeps its
            // place among the errors.
            DiscardingDevice nowhere;
            QTextStream silenced(&nowhere);
            CliContext context{out, err, quiet ? silenced : err, quiet};
            return command.run(line, context);
        }
        if (name.startsWith(QLatin1Char('-')))
            throw UsageError(QStringLiteral("unknown option %1").arg(name));
        throw UsageError(QStringLiteral("unknown command '%1'").arg(name));
    } catch (const UsageError& error) {
        reportUsageError(err, error.text(), current);
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
