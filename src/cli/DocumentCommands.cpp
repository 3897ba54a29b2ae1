#include "cli/CliCommands.h"

#include "app/ConsolePrompt.h"
#include "app/JobRunner.h"
#include "app/OutputFile.h"
#include "app/StatusSink.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliApp.h"
#include "cli/CliDatabase.h"
#include "cli/CliLinkData.h"
#include "cli/CliOutput.h"
#include "cli/CommandJob.h"
#include "database/Database.h"
#include "document/CFibrologDoc.h"
#include "document/CircuitCsvExport.h"
#include "meter/DevicePortOpener.h"
#include "standards/StandardsCatalog.h"

#include <QFileInfo>

#include <optional>

const CommandSpec kImportSpec{
    QStringLiteral("import"),
    2,
    2,
    linkOptionNames() << QStringLiteral("format"),
    {QStringLiteral("merge"), QStringLiteral("overwrite")},
    {},
    {QStringLiteral("import DOWNLOAD TARGET.mdb [--merge|--overwrite] [--format kav|kavw] [LINK OPTIONS]"),
     QStringLiteral("store a downloaded .kav or .kavw file into a test database"),
     QStringLiteral("Stores the download as the window does and saves it into TARGET.mdb (merged\n"
                    "when it exists). DOWNLOAD \"-\" is standard input.\n"
                    "\n"
                    "  --merge          add the links to TARGET's (the default)\n"
                    "  --overwrite      replace what TARGET holds\n"
                    "  --format F       kav (a Pendra or Lintel meter) or kavw (a Corvina meter) for\n"
                    "                   standard input; without it, kavw when link options are given\n"
                    "\n"
                    "Link options (a Corvina .kavw download; all required unless in brackets):\n"
                    "  --standard N [--custom-id ID] --fiber-type T (--length-km X | --length-ft X)\n"
                    "  --connectors N --splices N --link-name NAME --company NAME [--telephone TEXT]\n"
                    "  An organization of that name in TARGET is reused; --custom-id takes\n"
                    "  {guid {...}}, {...} or the bare GUID.")}};
const CommandSpec kExportCsvSpec{
    QStringLiteral("export-csv"),
    2,
    2,
    {},
    {},
    {},
    {QStringLiteral("export-csv FILE.mdb OUT.csv"),
     QStringLiteral("the evaluated circuits, one row per measured wavelength"),
     QStringLiteral("RFC 4180 CSV in UTF-8, header line first, numbers with \".\". OUT \"-\" is\n"
                    "standard output.")}};

namespace {

// A document for one command: questions answered as the command line says,
// messages to standard error, no status bar.
struct CliDocument
{
    explicit CliDocument(CliContext& context) : prompt(context.err), document(prompt, status, ports) {}

    ConsolePrompt prompt;
    NullStatusSink status;
    DevicePortOpener ports;
    CFibrologDoc document;
};

// How messages name a download read from standard input.
const QString kStandardInputName = QStringLiteral("standard input");

// Whether a download on standard input is a Corvina meter's: as --format
// says, else as the link options say (only a Corvina download takes them).
bool inputIsCorvina(const CommandLine& line)
{
    if (!line.has(QStringLiteral("format")))
        return hasLinkOptions(line);
    const QString format = line.value(QStringLiteral("format"));
    if (format == QLatin1String("kavw"))
        return true;
    if (format == QLatin1String("kav"))
        return false;
    throw UsageError(QStringLiteral("option --format takes kav or kavw"));
}

} // namespace

void reportImportOmissions(const CFibrologDoc& document, CliContext& context)
{
    if (!document.shortenedFields().isEmpty())
        context.err << "fibrolog-cli: texts too long for their field were shortened: "
                    << document.shortenedFields().join(QLatin1String(", ")) << '\n';
    for (const QString& omission : document.importOmissions())
        context.err << "fibrolog-cli: " << omission << '\n';
}

int saveDocumentInto(CFibrologDoc& document, const QString& target, CliContext& context, CommandJob* job)
{
    std::optional<InPlaceJobRunner> runner;
    if (job) {
        runner.emplace(job->progress());
        document.setJobRunner(&*runner);
    }
    const OperationResult saved = document.onSaveDocument(target);
    document.setJobRunner(nullptr);
    if (job)
        job->progress().finishLine();
    if (saved.isCancelled() && job && job->cancelled())
        return job->cancelledExit(context);
    if (!saved)
        return CliOutput::fail(context, saved.message());
    using CliOutput::countText;
    Database& db = *document.database();
    context.status << Strings::formatMessage(
                          Strings::loadString(StringId::CliStoredIn),
                          {countText(db.countRows(QStringLiteral("Site")), StringId::CliLinkCountOne,
                                     StringId::CliLinkCountMany),
                           countText(db.countRows(QStringLiteral("Fiber")), StringId::CliCircuitCountOne,
                                     StringId::CliCircuitCountMany),
                           target})
                   << '\n';
    const DatabaseFileWriter::MergeReport& merge = document.lastMerge();
    if (merge.replacedLinks > 0)
        context.status << Strings::formatMessage(Strings::loadString(StringId::CliReplacedLinks),
                                                 {countText(merge.replacedLinks, StringId::CliLinkCountOne,
                                                            StringId::CliLinkCountMany)})
                       << '\n';
    if (!merge.backupPath.isEmpty())
        context.status << "upgraded " << target << " to schema 2.1; the original is kept as "
                       << merge.backupPath << '\n';
    return ExitOk;
}

int runImport(const CommandLine& line, CliContext& context)
{
    const QString download = line.positional().at(0);
    const QString target = line.positional().at(1);
    if (line.has(QStringLiteral("merge")) && line.has(QStringLiteral("overwrite")))
        throw UsageError(QStringLiteral("choose either --merge or --overwrite"));
    const bool fromInput = CliOutput::isStandardStream(download);
    // A Corvina download carries no link data; the command line gives them.
    const bool corvina =
        fromInput ? inputIsCorvina(line) : download.endsWith(QLatin1String(".kavw"), Qt::CaseInsensitive);
    if (!fromInput && line.has(QStringLiteral("format")))
        throw UsageError(QStringLiteral("--format is for a download read from standard input (-); a file's "
                                        "extension says what it is"));
    if (!corvina && hasLinkOptions(line))
        throw UsageError(
            QStringLiteral("the link options (--standard, --length-km, --company, ...) are for a "
                           "Corvina download (.kavw) only"));
    std::optional<CliLinkDataSource> linkData;
    if (corvina)
        linkData.emplace(linkDataFromOptions(line, target), target);
    // Standard input is kept whole in a file, named as a download of its
    // kind: the readers read files, and a refusal names the input as the user did.
    StandardInputFile input;
    QString source = download;
    if (fromInput) {
        QString error;
        source = input.read(corvina ? kStandardInputName + QLatin1String(".kavw")
                                    : kStandardInputName + QLatin1String(".kav"),
                            &error);
        if (source.isEmpty())
            return CliOutput::fail(context, QStringLiteral("%1: %2").arg(kStandardInputName, error));
        if (QFileInfo(source).size() == 0)
            return CliOutput::fail(context,
                                   QStringLiteral("%1: nothing was read; an empty input is no download")
                                       .arg(kStandardInputName));
    } else if (!QFileInfo(download).isFile()) {
        return CliOutput::fail(context, QStringLiteral("Could not find file '%1'.").arg(download));
    }

    CommandJob job(context);
    CliDocument cli(context);
    if (linkData)
        cli.document.setLinkDataSource(&*linkData);
    cli.prompt.answerMergeOverwrite(line.has(QStringLiteral("overwrite")) ? PromptAnswer::Overwrite
                                                                          : PromptAnswer::Merge);
    InPlaceJobRunner runner(job.progress());
    cli.document.setJobRunner(&runner);
    const OperationResult loaded = cli.document.loadFile(source);
    cli.document.setJobRunner(nullptr);
    job.progress().finishLine();
    if (loaded.isCancelled() && job.cancelled())
        return job.cancelledExit(context);
    if (!loaded) {
        QString reason = loaded.message();
        if (fromInput)
            reason.replace(source, kStandardInputName);
        return CliOutput::fail(
            context, QStringLiteral("%1: %2").arg(fromInput ? kStandardInputName : download, reason));
    }
    reportImportOmissions(cli.document, context);
    return saveDocumentInto(cli.document, target, context, &job);
}

int runExportCsv(const CommandLine& line, CliContext& context)
{
    const QString file = line.positional().at(0);
    const QString csv = line.positional().at(1);
    // Read through the engine, not from a copy: rows another program has not
    // committed are not exported, and a file in use is said to be.
    QString refused;
    const bool toOutput = CliOutput::isStandardStream(csv);
    if (!toOutput && !OutputFile::check(csv, file, &refused))
        return CliOutput::fail(context, refused);
    CommandJob job(context);
    Database db;
    StandardsCatalog catalog;
    if (!openCircuitFile(file, db, catalog, context.err))
        return ExitError;
    StandardOutputFile output(QStringLiteral("circuits.csv"));
    QString error;
    const QString path = toOutput ? output.path(&error) : csv;
    if (path.isEmpty())
        return CliOutput::fail(context, error);
    const bool written = exportCircuitsCsv(db, catalog, path, &error, &job.progress());
    job.progress().finishLine();
    if (!written && job.cancelled())
        return job.cancelledExit(context);
    if (!written)
        return CliOutput::fail(context, error);
    if (toOutput && !output.send(context, &error))
        return CliOutput::fail(context, error);
    return ExitOk;
}
