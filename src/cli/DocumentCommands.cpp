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
#include "cli/CommandJob.h"
#include "database/Database.h"
#include "document/CFibrologDoc.h"
#include "document/CircuitCsvExport.h"
#include "meter/DevicePortOpener.h"
#include "standards/StandardsCatalog.h"

#include <QFileInfo>

#include <optional>

const CommandSpec kImportSpec{QStringLiteral("import"),
                              2,
                              2,
                              linkOptionNames(),
                              {QStringLiteral("merge"), QStringLiteral("overwrite")}};
const CommandSpec kExportCsvSpec{QStringLiteral("export-csv"), 2, 2, {}, {}};

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

int fail(CliContext& context, const QString& message)
{
    context.err << "fibrolog-cli: " << message << '\n';
    return ExitError;
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
        return fail(context, saved.message());
    Database& db = *document.database();
    context.out << "stored " << db.countRows(QStringLiteral("Site")) << " links and "
                << db.countRows(QStringLiteral("Fiber")) << " circuits in " << target << '\n';
    const DatabaseFileWriter::MergeReport& merge = document.lastMerge();
    if (merge.replacedLinks > 0)
        context.out << "replaced " << merge.replacedLinks << (merge.replacedLinks == 1 ? " link" : " links")
                    << " measured again (same name, test date and meter)\n";
    if (!merge.backupPath.isEmpty())
        context.out << "upgraded " << target << " to schema 2.1; the original is kept as " << merge.backupPath
                    << '\n';
    return ExitOk;
}

int runImport(const CommandLine& line, CliContext& context)
{
    const QString download = line.positional().at(0);
    const QString target = line.positional().at(1);
    if (line.has(QStringLiteral("merge")) && line.has(QStringLiteral("overwrite")))
        throw UsageError(QStringLiteral("choose either --merge or --overwrite"));
    // A Corvina download carries no link data; the command line gives them.
    const bool corvina = download.endsWith(QLatin1String(".kavw"), Qt::CaseInsensitive);
    if (!corvina && hasLinkOptions(line))
        throw UsageError(
            QStringLiteral("the link options (--standard, --length-km, --company, ...) are for a "
                           "Corvina download (.kavw) only"));
    std::optional<CliLinkDataSource> linkData;
    if (corvina)
        linkData.emplace(linkDataFromOptions(line, target), target);
    if (!QFileInfo(download).isFile())
        return fail(context, QStringLiteral("Could not find file '%1'.").arg(download));

    CommandJob job(context);
    CliDocument cli(context);
    if (linkData)
        cli.document.setLinkDataSource(&*linkData);
    cli.prompt.answerMergeOverwrite(line.has(QStringLiteral("overwrite")) ? PromptAnswer::Overwrite
                                                                          : PromptAnswer::Merge);
    InPlaceJobRunner runner(job.progress());
    cli.document.setJobRunner(&runner);
    const OperationResult loaded = cli.document.loadFile(download);
    cli.document.setJobRunner(nullptr);
    job.progress().finishLine();
    if (loaded.isCancelled() && job.cancelled())
        return job.cancelledExit(context);
    if (!loaded)
        return fail(context, QStringLiteral("%1: %2").arg(download, loaded.message()));
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
    if (!OutputFile::check(csv, file, &refused))
        return fail(context, refused);
    CommandJob job(context);
    Database db;
    StandardsCatalog catalog;
    if (!openCircuitFile(file, db, catalog, context.err))
        return ExitError;
    QString error;
    const bool written = exportCircuitsCsv(db, catalog, csv, &error, &job.progress());
    job.progress().finishLine();
    if (!written && job.cancelled())
        return job.cancelledExit(context);
    if (!written)
        return fail(context, error);
    return ExitOk;
}
