#include "cli/CliCommands.h"

#include "app/ConsolePrompt.h"
#include "app/JobRunner.h"
#include "app/OutputFile.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CancelOnSignal.h"
#include "cli/CliApp.h"
#include "cli/CliLinkData.h"
#include "cli/CliOutput.h"
#include "cli/CommandJob.h"
#include "cli/TerminalProgress.h"
#include "document/CFibrologDoc.h"
#include "meter/DevicePortOpener.h"
#include "meter/MeterLink.h"

#include <QFile>
#include <QRegularExpression>

#include <optional>

#include <unistd.h>

const CommandSpec kFindMeterSpec{
    QStringLiteral("find-meter"),
    0,
    0,
    {},
    {},
    {},
    {QStringLiteral("find-meter"), QStringLiteral("the meter's port, family and device (COM1 to COM20)"),
     QStringLiteral("Searches COM1 to COM20 and prints the port, the meter family and the\n"
                    "port's device, tab-separated.")}};
const CommandSpec kDownloadSpec{
    QStringLiteral("download"),
    0,
    1,
    QStringList{QStringLiteral("port"), QStringLiteral("into")} + linkOptionNames(),
    {},
    {},
    {QStringLiteral("download [OUT] [--port N|DEVICE] [--into TARGET.mdb [LINK OPTIONS]]"),
     QStringLiteral("the meter's results into OUT, and/or stored into a test database"),
     QStringLiteral("OUT gets the meter's data file (.kav, or .kavw from a Corvina meter).\n"
                    "\n"
                    "  --port N|DEVICE    the meter's port instead of searching: COM1 to COM20 by\n"
                    "                     number, or a device such as /dev/ttyUSB0 or\n"
                    "                     /dev/serial/by-id/... (see fibrolog-cli list-ports)\n"
                    "  --into TARGET.mdb  store the results and save them into TARGET (merged when\n"
                    "                     it exists); a Corvina meter's results take the link\n"
                    "                     options of import (see fibrolog-cli import --help)")}};

namespace {

// Everything one meter command needs, in the order it must be torn down.
struct MeterSession
{
    explicit MeterSession(CliContext& context)
        : progress(context.err, !context.quiet && isTerminal(context.err)), prompt(context.err),
          link(opener, prompt, progress), cancelOnSignal(progress)
    {
    }

    TerminalProgress progress;
    ConsolePrompt prompt;
    DevicePortOpener opener;
    MeterLink link;
    CancelOnSignal cancelOnSignal;
};

// Writes the data file to `target` whole or not at all.
bool copyWhole(const QString& source, const QString& target, QString* error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return false;
    }
    OutputFile out(target);
    if (!out.open(error))
        return false;
    char block[64 * 1024];
    for (;;) {
        const qint64 got = in.read(block, sizeof block);
        if (got < 0) {
            *error = in.errorString();
            return false;
        }
        if (got == 0)
            break;
        if (out.device().write(block, got) != got) {
            *error = QStringLiteral("Cannot write %1: %2").arg(target, out.device().errorString());
            return false;
        }
    }
    return out.commit(error);
}

// The port --port names: COMn by its number (through the port table) or a
// serial device by its path; neither when the option is not given.
struct PortChoice
{
    int number = -1;
    QString path;

    bool given() const { return number > 0 || !path.isEmpty(); }

    static PortChoice fromLine(const CommandLine& line)
    {
        PortChoice choice;
        const QString option = QStringLiteral("port");
        if (!line.has(option))
            return choice;
        const QString value = line.value(option);
        static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
        if (number.match(value).hasMatch())
            choice.number = line.intValue(option, 1, 20);
        else if (value.startsWith(QLatin1Char('/')) || value.startsWith(QLatin1Char('.')))
            choice.path = value;
        else
            throw UsageError(QStringLiteral("option --port needs a number from 1 to 20 or a device path "
                                            "(/dev/ttyUSB0, /dev/serial/by-id/...)"));
        return choice;
    }

    // Asks the meter on this port alone; false with the reason in the link.
    bool identify(MeterLink& link, JobProgress& progress) const
    {
        return number > 0 ? link.identifyPort(number, progress) : link.identifyDevice(path, progress);
    }
};

// A signal stopped the meter's job: said as a cancel, with the signal's status.
int cancelled(CliContext& context)
{
    context.err << "fibrolog-cli: " << Strings::loadString(StringId::OperationCancelled) << '\n';
    return CancelOnSignal::exitStatus();
}

int couldNotGetData(CliContext& context, const QString& detail)
{
    context.err << Strings::loadString(StringId::CouldNotGetData) << '\n';
    if (!detail.isEmpty())
        context.err << "fibrolog-cli: " << detail << '\n';
    return ExitError;
}

// The whole road: meter, download file, new working database, saved into
// `database` (merged when it exists). `copy`, when given, keeps the raw data.
// `link`: the link data a Corvina meter's results are stored with.
int downloadInto(const QString& database, const QString& copy, const PortChoice& port,
                 const std::optional<LinkData>& link, CliContext& context)
{
    MeterSession session(context);
    session.prompt.answerMergeOverwrite(PromptAnswer::Merge);
    std::optional<CliLinkDataSource> linkData;
    if (link)
        linkData.emplace(*link, database);
    CFibrologDoc document(session.prompt, session.progress, session.opener);
    if (linkData)
        document.setLinkDataSource(&*linkData);
    if (port.given() && !port.identify(document.meterLink(), session.progress)) {
        session.progress.finishLine();
        if (session.progress.isCancelled())
            return cancelled(context);
        return couldNotGetData(context, document.meterLink().lastProblem());
    }
    QString copyError;
    if (!copy.isEmpty()) {
        // The raw data file goes once it is stored: copy it as it arrives.
        QObject::connect(&document, &CFibrologDoc::downloadReceived, [&](const QString& path) {
            if (!copyWhole(path, copy, &copyError))
                copyError = QStringLiteral("%1: %2").arg(copy, copyError);
        });
    }
    const DownloadResult transfer = document.transferDownload(session.progress);
    OperationResult stored = OperationResult::cancelled();
    if (transfer.ok()) {
        InPlaceJobRunner storing(session.progress);
        document.setJobRunner(&storing);
        stored = document.storeDownload(transfer.path);
        document.setJobRunner(nullptr);
    }
    session.progress.finishLine();
    if (!copyError.isEmpty())
        context.err << "fibrolog-cli: " << copyError << '\n';
    if (session.progress.isCancelled() && (!transfer.ok() || !stored))
        return cancelled(context);
    switch (transfer.status) {
    case DownloadStatus::Ok:
        break;
    case DownloadStatus::NoData:     // a meter with nothing to give says so,
    case DownloadStatus::Incomplete: // a transfer cut short says where its bytes are,
    case DownloadStatus::Cancelled:  // and a search the user stopped says that
        context.err << "fibrolog-cli: " << CFibrologDoc::transferFailureText(transfer) << '\n';
        return ExitError;
    default: // the meter or the line failed; a port that refused says why
        return couldNotGetData(context, transfer.detail);
    }
    if (!stored) {
        context.err << "fibrolog-cli: " << stored.message() << '\n';
        return ExitError;
    }
    if (link && document.meterLink().meterType() != MeterType::Corvina)
        context.err << "fibrolog-cli: the meter's results carry their own link data; the link options were "
                       "not used\n";
    reportImportOmissions(document, context);
    return saveDocumentInto(document, database, context);
}

} // namespace

int runFindMeter(const CommandLine&, CliContext& context)
{
    MeterSession session(context);
    session.progress.showStatus(StringId::SearchingForDevice);
    const int port = session.link.findMeter(session.progress);
    session.progress.finishLine();
    if (port < 0 && session.progress.isCancelled())
        return cancelled(context);
    if (port < 0)
        return ExitError;
    // The device comes last, so that scripts that read the family in the
    // second column go on working.
    context.out << "COM" << port << '\t' << meterFamilyName(session.link.meterType()) << '\t'
                << session.link.devicePath() << '\n';
    return ExitOk;
}

int runDownload(const CommandLine& line, CliContext& context)
{
    if (line.positional().isEmpty() && !line.has(QStringLiteral("into")))
        throw UsageError(QStringLiteral("'download' needs OUT, --into TARGET.mdb or both"));
    const QString target = line.positional().value(0);
    const PortChoice port = PortChoice::fromLine(line);
    // Whatever would refuse the results afterwards is checked before the
    // meter is asked for them.
    QString refused;
    if (!target.isEmpty() && !OutputFile::check(target, QString(), &refused))
        return CliOutput::fail(context, refused);
    if (line.has(QStringLiteral("into"))) {
        const QString database = line.value(QStringLiteral("into"));
        if (!database.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
            return CliOutput::fail(context, Strings::loadString(StringId::ExtensionMustBeMdb));
        if (!OutputFile::check(database, QString(), &refused))
            return CliOutput::fail(context, refused);
        // Link options are checked before the meter is asked; whether they
        // are needed shows only when the meter answers.
        std::optional<LinkData> link;
        if (hasLinkOptions(line))
            link = linkDataFromOptions(line, database);
        return downloadInto(database, target, port, link, context);
    }
    if (hasLinkOptions(line))
        throw UsageError(QStringLiteral("the link options are for 'download --into' only"));
    MeterSession session(context);
    session.progress.showStatus(StringId::InitiatingDownload);
    if (port.given() && !port.identify(session.link, session.progress)) {
        session.progress.finishLine();
        if (session.progress.isCancelled())
            return cancelled(context);
        return couldNotGetData(context, session.link.lastProblem());
    }
    const DownloadResult result = session.link.downloadToFile(session.progress);
    session.progress.finishLine();
    if (result.status == DownloadStatus::Cancelled)
        return cancelled(context);
    // OUT is never written with a cut transfer; the message names the file
    // that keeps its bytes.
    if (result.status == DownloadStatus::Incomplete)
        return CliOutput::fail(context, result.detail);
    if (!result.ok())
        return couldNotGetData(context, result.detail);

    QString error;
    if (!copyWhole(result.path, target, &error)) {
        // The meter's data were received; they are not thrown away with OUT.
        return CliOutput::fail(
            context,
            error + QLatin1Char('\n') +
                Strings::formatMessage(Strings::loadString(StringId::DownloadDataKeptIn), {result.path}));
    }
    QFile::remove(result.path);
    session.progress.showStatus(StringId::DownloadSuccessful);
    return ExitOk;
}
