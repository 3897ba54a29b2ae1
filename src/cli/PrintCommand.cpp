#include "cli/CliCommands.h"

#include "app/OutputFile.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliApp.h"
#include "cli/CliDatabase.h"
#include "cli/CliOutput.h"
#include "cli/CommandJob.h"
#include "database/Database.h"
#include "database/FiberCursor.h"
#include "report/CircuitChoice.h"
#include "report/CircuitDetailReport.h"
#include "report/CircuitSummaryReport.h"
#include "report/LogoSource.h"
#include "report/PdfReportFile.h"
#include "standards/StandardsCatalog.h"

#include <QGuiApplication>
#include <QLocale>

#include <memory>

const CommandSpec kPrintSpec{
    QStringLiteral("print"),
    2,
    2,
    {QStringLiteral("logo"), QStringLiteral("paper")},
    {QStringLiteral("details"), QStringLiteral("summary"), QStringLiteral("feet"), QStringLiteral("color"),
     QStringLiteral("only-failing"), QStringLiteral("charts")},
    {QStringLiteral("link")},
    {QStringLiteral("print FILE.mdb OUT.pdf [--details|--summary] [--feet] [--color] [--logo IMAGE] "
                    "[--paper A4|Letter] [--only-failing] [--link NAME]... [--charts]"),
     QStringLiteral("the circuit detail (default) or summary report as PDF"),
     QStringLiteral("OUT \"-\" is standard output.\n"
                    "\n"
                    "  --details         one page per circuit (the default)\n"
                    "  --summary         the circuit summary report\n"
                    "  --charts          with --summary: each link's chart page after its summary\n"
                    "  --only-failing    only the failing circuits\n"
                    "  --link NAME       only the circuits of this link; may be given again\n"
                    "  --feet            lengths in feet instead of km\n"
                    "  --color           verdicts in colour\n"
                    "  --logo IMAGE      the report's logo\n"
                    "  --paper A4|Letter the paper; by default as the locale has it (Letter in en_US)")}};

namespace {

QPageSize::PageSizeId paperOption(const CommandLine& line)
{
    if (!line.has(QStringLiteral("paper")))
        return PdfReportFile::paperFor(QLocale());
    const QString paper = line.value(QStringLiteral("paper"));
    if (paper.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        return QPageSize::A4;
    if (paper.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        return QPageSize::Letter;
    throw UsageError(QStringLiteral("option --paper takes A4 or Letter"));
}

// The circuits of a current test database, evaluated and sorted. False, with
// the reason written, when they cannot be read or the job was cancelled.
bool readCircuits(const QString& path, FiberCursor& cursor, QTextStream& err, JobProgress& progress)
{
    Database db;
    StandardsCatalog catalog;
    if (!openCircuitFile(path, db, catalog, err))
        return false;
    const OperationResult built = cursor.build(db, catalog, &progress);
    if (!built && !progress.isCancelled()) {
        err << "fibrolog-cli: the circuits of " << path << " could not all be read: " << built.message()
            << '\n';
    }
    return built.ok();
}

// What the user chose to print, in words for the message that nothing matched.
QString choiceText(const CircuitChoice& choice)
{
    QString text = choice.onlyFailing ? QStringLiteral("no failing circuit") : QStringLiteral("no circuit");
    if (!choice.links.isEmpty())
        text += QStringLiteral(" in ") + choice.links.join(QStringLiteral(", "));
    return text;
}

} // namespace

int runPrint(const CommandLine& line, CliContext& context)
{
    const QString path = line.positional().at(0);
    const QString out = line.positional().at(1);
    const bool summary = line.has(QStringLiteral("summary"));
    if (summary && line.has(QStringLiteral("details")))
        throw UsageError(QStringLiteral("choose either --details or --summary"));
    // A chart page belongs after a link's summary pages; a detail report has none.
    if (line.has(QStringLiteral("charts")) && !summary)
        throw UsageError(
            QStringLiteral("--charts adds chart pages to the summary report: use it with --summary, "
                           "not with the detail report"));
    CircuitChoice choice;
    choice.onlyFailing = line.has(QStringLiteral("only-failing"));
    choice.links = line.values(QStringLiteral("link"));
    const QPageSize::PageSizeId paper = paperOption(line);
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        context.err << "fibrolog-cli: printing needs the GUI application object\n";
        return ExitError;
    }

    QString refused;
    const bool toOutput = CliOutput::isStandardStream(out);
    if (!toOutput && !OutputFile::check(out, path, &refused)) {
        context.err << "fibrolog-cli: " << refused << '\n';
        return ExitError;
    }
    CommandJob job(context);
    FiberCursor cursor;
    if (!readCircuits(path, cursor, context.err, job.progress()))
        return job.cancelled() ? job.cancelledExit(context) : ExitError;
    if (cursor.isEmpty()) {
        context.err << "fibrolog-cli: " << path << " holds no circuits; there is nothing to print\n";
        return ExitError;
    }
    const QStringList unknown = ChosenCircuits::unknownLinks(cursor, choice.links);
    if (!unknown.isEmpty()) {
        context.err << "fibrolog-cli: " << path << " has no link named " << unknown.join(QStringLiteral(", "))
                    << '\n';
        return ExitError;
    }
    const ChosenCircuits circuits(cursor, choice);
    if (circuits.isEmpty()) {
        context.err << "fibrolog-cli: " << path << " holds " << choiceText(choice)
                    << "; there is nothing to print and no file was written\n";
        return ExitError;
    }

    // A run that names no logo prints the built-in one, never an image that
    // happens to lie in the current folder.
    const QString logoPath = line.value(QStringLiteral("logo"));
    const LogoSource logos(logoPath);
    if (line.has(QStringLiteral("logo")) && !logos.hasUserLogo())
        context.err << "fibrolog-cli: the logo " << logoPath
                    << " cannot be read; the built-in logo is used\n";

    ReportOptions options;
    options.lengthInKilometers = !line.has(QStringLiteral("feet"));
    options.verdictsInColour = line.has(QStringLiteral("color"));
    std::unique_ptr<PagedReport> report;
    if (summary) {
        auto summaryReport = std::make_unique<CircuitSummaryReport>(circuits, options);
        summaryReport->setLinkCharts(line.has(QStringLiteral("charts")));
        report = std::move(summaryReport);
    } else {
        report = std::make_unique<CircuitDetailReport>(circuits, options);
    }

    QString error;
    StandardOutputFile output(QStringLiteral("report.pdf"));
    const QString file = toOutput ? output.path(&error) : out;
    const int pages =
        file.isEmpty() ? 0 : PdfReportFile(file, paper).write(*report, logos, &error, &job.progress());
    job.progress().finishLine();
    if (pages == 0 && job.cancelled())
        return job.cancelledExit(context);
    if (pages == 0 || (toOutput && !output.send(context, &error))) {
        context.err << "fibrolog-cli: " << error << '\n';
        return ExitError;
    }
    context.status << Strings::formatMessage(
                          Strings::loadString(StringId::CliWrotePages),
                          {CliOutput::countText(pages, StringId::CliPageCountOne, StringId::CliPageCountMany),
                           CliOutput::outputName(out)})
                   << '\n';
    return ExitOk;
}
