#include "cli/CliCommands.h"

#include "app/StatusSink.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliApp.h"
#include "cli/CliPrompt.h"
#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/Database.h"
#include "database/FiberCursor.h"
#include "database/SchemaVersions.h"
#include "database/TestDatabaseSchema.h"
#include "document/CFibrologDoc.h"
#include "document/CircuitCsvExport.h"
#include "meter/DevicePortOpener.h"

#include <QFileInfo>

const CommandSpec kImportSpec{
    QStringLiteral("import"), 2, 2, {}, {QStringLiteral("merge"), QStringLiteral("overwrite")}};
const CommandSpec kExportCsvSpec{QStringLiteral("export-csv"), 2, 2, {}, {}};

namespace {

// A document for one command: questions answered as the command line says,
// messages to standard error, no status bar.
struct CliDocument
{
    explicit CliDocument(CliContext& context) : prompt(context.err), document(prompt, status, ports) {}

    CliPrompt prompt;
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

int saveDocumentInto(CFibrologDoc& document, const QString& target, CliContext& context)
{
    if (!document.onSaveDocument(target))
        return fail(context, document.lastError().isEmpty()
                                 ? QStringLiteral("%1 was not written.").arg(target)
                                 : document.lastError());
    Database& db = *document.database();
    context.out << "stored " << db.countRows(QStringLiteral("Site")) << " links and "
                << db.countRows(QStringLiteral("Fiber")) << " circuits in " << target << '\n';
    return ExitOk;
}

int runImport(const CommandLine& line, CliContext& context)
{
    const QString download = line.positional().at(0);
    const QString target = line.positional().at(1);
    if (line.has(QStringLiteral("merge")) && line.has(QStringLiteral("overwrite")))
        throw UsageError(QStringLiteral("choose either --merge or --overwrite"));
    if (!QFileInfo(download).isFile())
        return fail(context, QStringLiteral("Could not find file '%1'.").arg(download));

    CliDocument cli(context);
    cli.prompt.answerMergeOverwrite(line.has(QStringLiteral("overwrite")) ? PromptAnswer::Overwrite
                                                                          : PromptAnswer::Merge);
    if (!cli.document.loadFile(download))
        return fail(context, QStringLiteral("%1: %2").arg(download, cli.document.lastError()));
    if (!cli.document.shortenedFields().isEmpty())
        context.err << "fibrolog-cli: texts too long for their field were shortened: "
                    << cli.document.shortenedFields().join(QLatin1String(", ")) << '\n';
    return saveDocumentInto(cli.document, target, context);
}

int runExportCsv(const CommandLine& line, CliContext& context)
{
    const QString file = line.positional().at(0);
    const QString csv = line.positional().at(1);
    const float version = detectVersion(file);
    if (version != 0.0f && version != kCurrentSchemaVersion)
        return fail(context,
                    QStringLiteral("%1 has an older format; convert it first with: fibrolog-cli upgrade %1")
                        .arg(file));

    CliDocument cli(context);
    if (!cli.document.onOpenDocument(file))
        return fail(context, QStringLiteral("%1 was not opened.").arg(file));
    FiberCursor cursor;
    if (!cursor.build(*cli.document.companySet(), *cli.document.siteSet(), *cli.document.fiberSet(),
                      cli.document.catalog()))
        return fail(context, QStringLiteral("the circuits of %1 could not be read.").arg(file));
    QString error;
    if (!exportCircuitsCsv(cursor, csv, &error))
        return fail(context, QStringLiteral("%1: %2").arg(csv, error));
    return ExitOk;
}
