#include "cli/CliCommands.h"

#include "app/ConsolePrompt.h"
#include "app/StatusSink.h"
#include "cli/CliApp.h"
#include "cli/CliOutput.h"
#include "cli/CommandJob.h"
#include "document/CFibrologDoc.h"
#include "meter/DevicePortOpener.h"
#include "server/ServerAddress.h"
#include "server/TeamServer.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const QString kServerOptionHelp =
    QStringLiteral("  --server URI  the team server: a libpq connection string or URI\n"
                   "                (postgresql://user@host/db, service=NAME); by default\n"
                   "                $FIBROLOG_SERVER. The password comes from ~/.pgpass or a\n"
                   "                service file, never from the address.");

} // namespace

const CommandSpec kServerInitSpec{
    QStringLiteral("server-init"),
    0,
    0,
    {QStringLiteral("server")},
    {},
    {},
    {QStringLiteral("server-init [--server URI]"),
     QStringLiteral("create or upgrade the team server's schema"),
     QStringLiteral("Creates the team server's tables, or upgrades those of an earlier version;\n"
                    "run again, it changes nothing.\n\n") +
         kServerOptionHelp}};
const CommandSpec kServerInfoSpec{
    QStringLiteral("server-info"),
    0,
    0,
    {QStringLiteral("server")},
    {QStringLiteral("json")},
    {},
    {QStringLiteral("server-info [--server URI] [--json]"),
     QStringLiteral("the team server's schema version and counts"),
     QStringLiteral("One \"name N\" a line: schema, organisations, links, fibers (one per\n"
                    "circuit) and custom_standards.\n\n"
                    "  --json        one object with those keys\n") +
         kServerOptionHelp}};
const CommandSpec kPublishSpec{
    QStringLiteral("publish"),
    1,
    1,
    {QStringLiteral("server")},
    {},
    {},
    {QStringLiteral("publish FILE.mdb [--server URI]"),
     QStringLiteral("send every link of a test database to the team server"),
     QStringLiteral("All of it lands or none; a link already there with the same name, test\n"
                    "date and meter serial number is replaced (a re-test).\n\n") +
         kServerOptionHelp}};
const CommandSpec kFetchSpec{
    QStringLiteral("fetch"),
    1,
    1,
    {QStringLiteral("server"), QStringLiteral("company"), QStringLiteral("since")},
    {},
    {QStringLiteral("link")},
    {QStringLiteral("fetch TARGET.mdb [--server URI] [--link NAME]... [--company NAME] [--since YYYY-MM-DD]"),
     QStringLiteral("links of the team server into a test database"),
     QStringLiteral("Writes the chosen links into a new test database, or merges them into an\n"
                    "existing one as import merges.\n\n"
                    "  --link NAME   a link of that name (again for more)\n"
                    "  --company NAME\n"
                    "                the links of that company\n"
                    "  --since YYYY-MM-DD\n"
                    "                links tested on that day or later\n") +
         kServerOptionHelp}};

namespace {

// The exit status of a server step that did not succeed: a cancel's (130 or
// 143), or 1 with the reason; ExitOk when it did, and the command goes on.
int unlessDone(const OperationResult& result, CommandJob& job, CliContext& context)
{
    job.progress().finishLine();
    if (result.isCancelled())
        return job.cancelledExit(context);
    if (!result)
        return CliOutput::fail(context, result.message());
    return ExitOk;
}

// The address from --server or FIBROLOG_SERVER; empty after saying why not.
QString serverAddress(const CommandLine& line, CliContext& context)
{
    QString error;
    const QString address = ServerAddress::resolve(line.value(QStringLiteral("server")), &error);
    if (address.isEmpty())
        CliOutput::fail(context, error);
    return address;
}

} // namespace

int runServerInit(const CommandLine& line, CliContext& context)
{
    const QString address = serverAddress(line, context);
    if (address.isEmpty())
        return ExitError;
    CommandJob job(context);
    ServerSchema::InitOutcome outcome;
    const OperationResult done = TeamServer(address).initialise(job.progress(), &outcome);
    if (const int status = unlessDone(done, job, context); status != ExitOk)
        return status;
    if (outcome.fromVersion == outcome.toVersion)
        context.status << "the team server's schema is version " << outcome.toVersion
                       << " already; nothing to do\n";
    else if (outcome.fromVersion == 0)
        context.status << "created the team server's schema, version " << outcome.toVersion << '\n';
    else
        context.status << "upgraded the team server's schema from version " << outcome.fromVersion << " to "
                       << outcome.toVersion << '\n';
    return ExitOk;
}

int runServerInfo(const CommandLine& line, CliContext& context)
{
    const QString address = serverAddress(line, context);
    if (address.isEmpty())
        return ExitError;
    CommandJob job(context);
    ServerCounts counts;
    const OperationResult read = TeamServer(address).testConnection(job.progress(), &counts);
    if (const int status = unlessDone(read, job, context); status != ExitOk)
        return status;
    if (line.has(QStringLiteral("json"))) {
        CliOutput::writeJson(context,
                             QJsonObject{{QStringLiteral("schema"), counts.schema},
                                         {QStringLiteral("organisations"), counts.organisations},
                                         {QStringLiteral("links"), counts.links},
                                         {QStringLiteral("fibers"), counts.fibers},
                                         {QStringLiteral("custom_standards"), counts.customStandards}});
    } else {
        context.out << "schema " << counts.schema << '\n'
                    << "organisations " << counts.organisations << '\n'
                    << "links " << counts.links << '\n'
                    << "fibers " << counts.fibers << '\n'
                    << "custom_standards " << counts.customStandards << '\n';
    }
    return ExitOk;
}

int runPublish(const CommandLine& line, CliContext& context)
{
    const QString file = line.positional().at(0);
    const QString address = serverAddress(line, context);
    if (address.isEmpty())
        return ExitError;
    // Ctrl+C or SIGTERM stops the publish, also while it waits for another
    // one; the server then stays as it was.
    CommandJob job(context);
    PublishCounts counts;
    const OperationResult published = TeamServer(address).publish(file, job.progress(), &counts);
    if (const int status = unlessDone(published, job, context); status != ExitOk)
        return status;
    context.status << "published " << counts.links << (counts.links == 1 ? " link, " : " links, ")
                   << counts.fibers << (counts.fibers == 1 ? " circuit; " : " circuits; ") << counts.replaced
                   << " replaced\n";
    return ExitOk;
}

int runFetch(const CommandLine& line, CliContext& context)
{
    const QString target = line.positional().at(0);
    FetchFilter filter;
    filter.linkNames = line.values(QStringLiteral("link"));
    filter.company = line.value(QStringLiteral("company"));
    if (line.has(QStringLiteral("since"))) {
        filter.since = QDate::fromString(line.value(QStringLiteral("since")), QStringLiteral("yyyy-MM-dd"));
        if (!filter.since.isValid())
            throw UsageError(QStringLiteral("option --since takes a day as YYYY-MM-DD"));
    }
    if (!target.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
        throw UsageError(QStringLiteral("fetch writes into a test database (.mdb)"));
    const QString address = serverAddress(line, context);
    if (address.isEmpty())
        return ExitError;

    // From here Ctrl+C or SIGTERM cancels: the temporary folder goes with
    // the command's return, and the target is only written at its end.
    CommandJob job(context);
    // The links come down into a test database of their own, which is then
    // stored into the target as an import stores a file: a new file, or
    // merged into an existing one with its safety (nothing changes unless
    // all of it went in).
    QTemporaryDir folder;
    if (!folder.isValid())
        return CliOutput::fail(
            context, QStringLiteral("cannot make a temporary folder: %1").arg(folder.errorString()));
    const QString downloaded = folder.filePath(QStringLiteral("fetched.mdb"));
    FetchCounts counts;
    const OperationResult fetched = TeamServer(address).fetch(filter, downloaded, job.progress(), &counts);
    if (const int status = unlessDone(fetched, job, context); status != ExitOk)
        return status;
    if (counts.links == 0)
        return CliOutput::fail(
            context, QStringLiteral("no link on the team server matches; %1 was not changed").arg(target));
    context.status << "fetched " << counts.links << (counts.links == 1 ? " link, " : " links, ")
                   << counts.fibers << (counts.fibers == 1 ? " circuit\n" : " circuits\n");

    ConsolePrompt prompt(context.err);
    NullStatusSink sink;
    DevicePortOpener ports;
    CFibrologDoc document(prompt, sink, ports);
    prompt.answerMergeOverwrite(PromptAnswer::Merge);
    const OperationResult loaded = document.loadFile(downloaded);
    if (const int status = unlessDone(loaded, job, context); status != ExitOk)
        return status;
    return saveDocumentInto(document, target, context, &job);
}
