// The command line's contract with scripts and shells, through the real
// program: each command's usage, usage errors, --version, what goes to
// standard output and what to standard error, --quiet, "-" for standard
// output and input, --json, the forms of a custom standard's id, and counts
// in words.
#include "cli/CliApp.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

namespace {

struct Outcome
{
    int status = -1;
    QByteArray out;
    QString err;

    QString text() const { return QString::fromUtf8(out); }
};

const QStringList kBudget = {"budget", "--standard",   "2", "--fiber-type", "0", "--length-km",
                             "2",      "--connectors", "2", "--splices",    "1"};

const QStringList kCorvinaLink = {
    "--standard", "2", "--fiber-type", "0",       "--length-km", "0.5",          "--connectors", "2",
    "--splices",  "1", "--link-name",  "RISER A", "--company",   "North Cabling"};

class CliContractTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(path("tmp")));
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert("TMPDIR", path("tmp"));
        environment_.insert("FIBROLOG_SHARED_STANDARDS", path("shareddata.mdb"));
        environment_.insert("LC_ALL", "en_US.UTF-8");
        environment_.remove("FIBROLOG_VERBOSE");
    }

    static QString sample(const char* name) { return QStringLiteral(FIBROLOG_TEST_DATA_DIR "/") + name; }

    Outcome cli(const QStringList& arguments, const QByteArray& input = QByteArray()) const
    {
        QProcess process;
        process.setProcessEnvironment(environment_);
        process.start(FIBROLOG_CLI_PATH, arguments);
        EXPECT_TRUE(process.waitForStarted(10000));
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
    }

    // A test database holding the seven links of the Pendra sample.
    QString sampleDatabase() const
    {
        const QString target = path("site.mdb");
        if (!QFile::exists(target)) {
            EXPECT_EQ(cli({"--quiet", "import", sample("pendra-v2_10.kav"), target}).status, ExitOk);
        }
        return target;
    }

    QProcessEnvironment environment_;
};

// Lines of a text without the empty one after the last newline.
QStringList linesOf(const QString& text)
{
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString plain(double value)
{
    return QString::asprintf("%.2f", value);
}

} // namespace

TEST_F(CliContractTest, EachCommandHasItsUsageAndAMistakeShowsOnlyThatCommandsSynopsis)
{
    struct Command
    {
        QString name;
        QString synopsis; // how its usage begins
        QStringList mistake;
        QString reason;
    };
    const QList<Command> commands = {
        {"standards", "standards [--db FILE.mdb] [--json]", {"standards", "extra"}, "too many arguments"},
        {"budget",
         "budget --standard N [--custom-id ID]",
         {"budget", "--fiber-type", "0"},
         "option --standard is required"},
        {"add-standard",
         "add-standard NAME --entry",
         {"add-standard", "Plant"},
         "needs at least one --entry"},
        {"create",
         "create FILE.mdb [--schema 1.0|2.0|2.1]",
         {"create", "x.mdb", "--schema", "3"},
         "--schema takes 1.0, 2.0 or 2.1"},
        {"info", "info FILE.mdb [--json]", {"info"}, "'info' needs more arguments"},
        {"upgrade", "upgrade FILE.mdb", {"upgrade", "a.mdb", "b.mdb"}, "too many arguments"},
        {"find-meter", "find-meter", {"find-meter", "--fast"}, "unknown option --fast"},
        {"download", "download [OUT]", {"download", "out.kav", "--speed", "9600"}, "unknown option --speed"},
        {"import",
         "import DOWNLOAD TARGET.mdb",
         {"import", "-", "t.mdb", "--format", "csv"},
         "--format takes kav or kavw"},
        {"export-csv", "export-csv FILE.mdb OUT.csv", {"export-csv", "site.mdb"}, "needs more arguments"},
        {"print",
         "print FILE.mdb OUT.pdf [--details|--summary]",
         {"print", "a.mdb", "-", "--paper", "A3"},
         "--paper takes A4 or Letter"},
    };
    const Outcome list = cli({"--help"});
    EXPECT_EQ(list.status, ExitOk);
    for (const Command& command : commands) {
        const std::string what = command.name.toStdString();
        EXPECT_TRUE(list.text().contains("\n  " + command.synopsis)) << what;
        for (const QString& help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            // Asked for after other words, even wrong ones, it still wins.
            const Outcome usage = cli(command.mistake + QStringList{help});
            EXPECT_EQ(usage.status, ExitOk) << what;
            EXPECT_TRUE(usage.text().startsWith("Usage: fibrolog-cli " + command.synopsis))
                << usage.text().toStdString();
            EXPECT_LT(linesOf(usage.text()).size(), linesOf(list.text()).size()) << what;
            EXPECT_TRUE(usage.err.isEmpty()) << usage.err.toStdString();
        }
        const Outcome wrong = cli(command.mistake);
        EXPECT_EQ(wrong.status, ExitUsage) << what;
        EXPECT_TRUE(wrong.out.isEmpty()) << what;
        const QStringList said = linesOf(wrong.err);
        ASSERT_EQ(said.size(), 3) << wrong.err.toStdString();
        EXPECT_TRUE(said.at(0).startsWith("fibrolog-cli: ")) << said.at(0).toStdString();
        EXPECT_TRUE(said.at(0).contains(command.reason)) << said.at(0).toStdString();
        EXPECT_TRUE(said.at(1).startsWith("Usage: fibrolog-cli " + command.synopsis))
            << said.at(1).toStdString();
        EXPECT_EQ(said.at(2), "Try 'fibrolog-cli " + command.name + " --help' for more information.");
    }
    // No command known: the hint is the whole list's.
    for (const QStringList& words : {QStringList{}, QStringList{"frobnicate"}, QStringList{"--frobnicate"}}) {
        const Outcome wrong = cli(words);
        EXPECT_EQ(wrong.status, ExitUsage) << words.join(' ').toStdString();
        EXPECT_EQ(linesOf(wrong.err).size(), 3) << wrong.err.toStdString();
        EXPECT_TRUE(wrong.err.endsWith("Try 'fibrolog-cli --help' for more information.\n"))
            << wrong.err.toStdString();
    }
    const Outcome version = cli({"--version"});
    EXPECT_EQ(version.status, ExitOk);
    EXPECT_EQ(version.text(), "fibrolog-cli " FIBROLOG_VERSION "\n");
    EXPECT_TRUE(version.err.isEmpty());
}

TEST_F(CliContractTest, StandardOutputCarriesOnlyDataAndQuietLeavesStandardErrorEmpty)
{
    const QString database = sampleDatabase();
    const QString idPattern =
        "^\\{guid \\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}\\}\\n$";
    struct Run
    {
        QStringList words;
        QString data;   // a pattern standard output matches whole
        QString status; // what standard error says without --quiet
    };
    const QList<Run> runs = {
        {{"standards"}, "^(\\d+\\t[^\\n]*\\n){90}$", ""},
        {kBudget, "^1300nm\\t\\d+\\.\\d\\d\\n850nm\\t\\d+\\.\\d\\d\\n$", ""},
        {{"info", database}, "^schema 2\\.1\\nCompany 1\\nSite 7\\nFiber 19\\nStandards 8\\n$", ""},
        {{"add-standard", "Plant", "--entry", "0,850nm,2000,0,3.5,0.75,0.3"},
         idPattern,
         "saved 1 entry of Plant to " + path("shareddata.mdb")},
        {{"add-standard", "Campus", "--entry", "2,1310nm,10000,0,0.5,0.75,0.3", "--entry",
          "2,1550nm,10000,0,0.4,0.75,0.3"},
         idPattern,
         "saved 2 entries of Campus to " + path("shareddata.mdb")},
        {{"import", sample("pendra-v2_10.kav"), path("copy.mdb")},
         "^$",
         "stored 7 links and 19 circuits in " + path("copy.mdb")},
        {{"import", sample("pendra-v2_10.kav"), path("copy.mdb")}, "^$", "replaced 7 links measured again"},
        {{"create", path("old.mdb"), "--schema", "2.0"}, "^$", ""},
        {{"upgrade", path("old.mdb")}, "^$", "upgraded schema 2.0 to 2.1"},
        {{"export-csv", database, "-"}, "^link_id,circuit_id,[^\\x{0}]*Pass", ""},
        {{"print", database, path("report.pdf"), "--summary"},
         "^$",
         "wrote 7 pages to " + path("report.pdf")},
    };
    for (const Run& run : runs) {
        const std::string what = run.words.join(' ').toStdString();
        for (const bool quiet : {false, true}) {
            QStringList words = run.words;
            if (quiet) { // before or after the command, and a name of its own for a new standard
                words.insert(run.words.size() % 2 == 0 ? 0 : 1, "--quiet");
                words.replaceInStrings(QRegularExpression("^(Plant|Campus)$"), "\\1 again");
            }
            if (run.words.first() == "create" || run.words.first() == "upgrade")
                QFile::remove(path("old.mdb"));
            if (run.words.first() == "upgrade") {
                ASSERT_EQ(cli({"create", path("old.mdb"), "--schema", "2.0"}).status, ExitOk);
            }
            const Outcome r = cli(words);
            EXPECT_EQ(r.status, ExitOk) << what << r.err.toStdString();
            EXPECT_TRUE(QRegularExpression(run.data).match(r.text()).hasMatch())
                << what << "\n"
                << r.text().left(300).toStdString();
            if (quiet)
                EXPECT_TRUE(r.err.isEmpty()) << what << ": " << r.err.toStdString();
            else
                EXPECT_TRUE(r.status == ExitOk && r.err.contains(run.status))
                    << what << ": " << r.err.toStdString();
        }
    }
    // Errors are never silenced.
    const Outcome missing = cli({"--quiet", "info", path("none.mdb")});
    EXPECT_EQ(missing.status, ExitError);
    EXPECT_TRUE(missing.err.startsWith("fibrolog-cli: ")) << missing.err.toStdString();
}

TEST_F(CliContractTest, DashIsStandardOutputForExportAndPrintAndStandardInputForImport)
{
    const QString database = sampleDatabase();

    ASSERT_EQ(cli({"export-csv", database, path("circuits.csv")}).status, ExitOk);
    const Outcome csv = cli({"export-csv", database, "-"});
    EXPECT_EQ(csv.status, ExitOk) << csv.err.toStdString();
    EXPECT_EQ(csv.out, fileBytes(path("circuits.csv")));
    EXPECT_FALSE(QFile::exists("-"));

    // The PDF byte for byte: it parses, with the pages of the file.
    const Outcome pdf = cli({"print", database, "-", "--summary", "--charts"});
    ASSERT_EQ(pdf.status, ExitOk) << pdf.err.toStdString();
    EXPECT_TRUE(pdf.out.startsWith("%PDF-")) << pdf.out.left(20).toStdString();
    writeFile(path("piped.pdf"), pdf.out);
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {path("piped.pdf")});
    ASSERT_TRUE(pdfinfo.waitForFinished(30000));
    EXPECT_EQ(pdfinfo.exitCode(), 0) << pdfinfo.readAllStandardError().toStdString();
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    const Outcome file = cli({"print", database, path("file.pdf"), "--summary", "--charts"});
    const QString pages = QRegularExpression("wrote (\\d+) pages").match(file.err).captured(1);
    ASSERT_FALSE(pages.isEmpty()) << file.err.toStdString();
    EXPECT_TRUE(QRegularExpression("Pages:\\s+" + pages + "\\n").match(info).hasMatch())
        << info.toStdString();
    EXPECT_TRUE(pdf.err.contains("wrote " + pages + " pages to standard output")) << pdf.err.toStdString();

    // A failing print sends nothing at all.
    const Outcome none = cli({"print", database, "-", "--link", "NO SUCH LINK"});
    EXPECT_EQ(none.status, ExitError);
    EXPECT_TRUE(none.out.isEmpty());

    // Imported from standard input: stored as from the file, both kinds.
    struct Download
    {
        const char* file;
        QStringList options;
        QStringList format; // for standard input only: a file's extension says it
    };
    for (const Download& d :
         {Download{"pendra-v2_10.kav", {}, {}}, Download{"corvina.kavw", kCorvinaLink, {}},
          Download{"corvina.kavw", kCorvinaLink, {"--format", "kavw"}},
          Download{"lintel-v2_5.kav", {}, {"--format", "kav"}}}) {
        const std::string what = d.file;
        const QString fromFile = path("from-file.mdb");
        const QString fromInput = path("from-input.mdb");
        QFile::remove(fromFile);
        QFile::remove(fromInput);
        ASSERT_EQ(cli(QStringList{"import", sample(d.file), fromFile} + d.options).status, ExitOk) << what;
        const Outcome piped =
            cli(QStringList{"import", "-", fromInput} + d.options + d.format, fileBytes(sample(d.file)));
        ASSERT_EQ(piped.status, ExitOk) << what << piped.err.toStdString();
        EXPECT_EQ(cli({"info", fromInput}).out, cli({"info", fromFile}).out) << what;
        EXPECT_EQ(cli({"export-csv", fromInput, "-"}).out, cli({"export-csv", fromFile, "-"}).out) << what;
    }

    // Empty and damaged input is refused as a file would be, naming standard input.
    writeFile(path("damaged.kav"), "'no meter wrote this'\r\n\x01\x02\x03");
    const Outcome damagedFile = cli({"import", path("damaged.kav"), path("d1.mdb")});
    const Outcome damagedInput = cli({"import", "-", path("d2.mdb")}, fileBytes(path("damaged.kav")));
    EXPECT_EQ(damagedFile.status, ExitError);
    EXPECT_EQ(damagedInput.status, ExitError);
    EXPECT_EQ(QString(damagedInput.err).replace("standard input", path("damaged.kav")), damagedFile.err);
    const Outcome empty = cli({"import", "-", path("d3.mdb")});
    EXPECT_EQ(empty.status, ExitError);
    EXPECT_TRUE(empty.err.startsWith("fibrolog-cli: standard input: ")) << empty.err.toStdString();
    for (const char* target : {"d1.mdb", "d2.mdb", "d3.mdb"})
        EXPECT_FALSE(QFile::exists(path(target))) << target;
    EXPECT_TRUE(QDir(path("tmp")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        << QDir(path("tmp"))
               .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
               .join(' ')
               .toStdString();
}

TEST_F(CliContractTest, JsonHoldsWhatThePlainOutputSaysAsNumbersWhateverTheLocale)
{
    const QString database = sampleDatabase();
    const Outcome added = cli({"add-standard", "Campus", "--entry", "2,1310nm,10000,0,0.5,0.75,0.3"});
    const QString id = added.text().trimmed();

    for (const QString& locale : {QStringLiteral("en_US"), QStringLiteral("de_DE")}) {
        const std::string what = locale.toStdString();
        const QStringList rows = linesOf(cli({"standards"}).text());
        const Outcome standards = cli({"--locale", locale, "standards", "--json"});
        ASSERT_EQ(standards.status, ExitOk) << what;
        QJsonParseError error{};
        const QJsonArray listed = QJsonDocument::fromJson(standards.out, &error)["standards"].toArray();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << what;
        ASSERT_EQ(listed.size(), rows.size()) << what;
        ASSERT_EQ(rows.size(), 91);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QStringList cells = rows.at(i).split('\t');
            const QJsonObject entry = listed.at(i).toObject();
            const bool custom = cells.at(2) == id;
            const QString shown = QStringList{QString::number(entry["number"].toInt()),
                                              entry["name"].toString(),
                                              custom ? entry["custom_id"].toString() : cells.at(2),
                                              QString::number(entry["fiber_type"].toInt()),
                                              entry["wavelength"].toString(),
                                              plain(entry["max_distance_m"].toDouble()),
                                              plain(entry["max_loss_db"].toDouble()),
                                              plain(entry["attenuation_db_per_km"].toDouble()),
                                              plain(entry["connector_loss_db"].toDouble()),
                                              plain(entry["splice_loss_db"].toDouble())}
                                      .join('\t');
            EXPECT_EQ(shown, rows.at(i)) << what;
            EXPECT_EQ(entry["custom_id"].isNull(), !custom) << rows.at(i).toStdString();
            EXPECT_TRUE(entry["max_loss_db"].isDouble());
        }

        const QJsonObject info =
            QJsonDocument::fromJson(cli({"--locale", locale, "info", database, "--json"}).out).object();
        EXPECT_EQ(info["schema"].toString(), "2.1");
        EXPECT_EQ(info["file"].toString(), database);
        const QJsonObject counts = info["rows"].toObject();
        EXPECT_EQ(QStringList({"schema " + info["schema"].toString(),
                               "Company " + QString::number(counts["company"].toInteger()),
                               "Site " + QString::number(counts["site"].toInteger()),
                               "Fiber " + QString::number(counts["fiber"].toInteger()),
                               "Standards " + QString::number(counts["standards"].toInteger())}),
                  linesOf(cli({"info", database}).text()));

        const QStringList budgetLines = linesOf(cli(kBudget).text());
        const QJsonObject budget =
            QJsonDocument::fromJson(
                cli(QStringList{"--locale", locale} + kBudget + QStringList{"--json"}).out)
                .object();
        QStringList shown;
        for (const QJsonValue& row : budget["budgets"].toArray())
            shown << row["wavelength"].toString() + '\t' + plain(row["allowed_loss_db"].toDouble());
        EXPECT_EQ(shown, budgetLines) << what;
        EXPECT_EQ(budget["standard"].toInt(), 2);
        EXPECT_TRUE(budget["custom_id"].isNull());
        EXPECT_EQ(budget["length_km"].toDouble(), 2.0);
    }
    // A table an older schema lacks is null, not 0.
    ASSERT_EQ(cli({"create", path("old.mdb"), "--schema", "1.0"}).status, ExitOk);
    const QJsonObject old = QJsonDocument::fromJson(cli({"info", path("old.mdb"), "--json"}).out).object();
    EXPECT_EQ(old["schema"].toString(), "1.0");
    EXPECT_TRUE(old["rows"].toObject()["standards"].isNull())
        << cli({"info", path("old.mdb"), "--json"}).text().toStdString();
}

TEST_F(CliContractTest, ACustomIdIsTakenInItsThreeFormsAndNothingElse)
{
    const Outcome added = cli({"add-standard", "Campus SM", "--entry", "2,1310nm,10000,0,0.5,0.75,0.3"});
    ASSERT_EQ(added.status, ExitOk) << added.err.toStdString();
    const QString stored = added.text().trimmed(); // {guid {...}}
    const QString bare = stored.mid(7, 36);
    const QStringList budget = {"budget", "--standard",   "0", "--fiber-type", "2", "--length-km",
                                "2",      "--connectors", "2", "--splices",    "1"};
    const QString expected = "1310nm\t" + plain(2 * 0.5 + 2 * 0.75 + 0.3) + "\n";
    for (const QString& form :
         {stored, "{" + bare + "}", bare, bare.toUpper(), " " + stored.toUpper() + " "}) {
        const Outcome r = cli(budget + QStringList{"--custom-id", form});
        EXPECT_EQ(r.status, ExitOk) << form.toStdString() << r.err.toStdString();
        EXPECT_EQ(r.text(), expected) << form.toStdString();
    }
    // The link options take the same forms.
    const Outcome linked =
        cli(QStringList{"import", sample("corvina.kavw"), path("c.mdb"), "--standard", "0", "--custom-id",
                        "{" + bare + "}", "--fiber-type", "2", "--length-km", "0.5", "--connectors", "2",
                        "--splices", "1", "--link-name", "A", "--company", "B"});
    EXPECT_EQ(linked.status, ExitOk) << linked.err.toStdString();

    for (const QString& wrong :
         {QString("nonsense"), "{guid {" + bare + "}", "{" + bare, bare + "}", "{guid " + bare + "}",
          bare.left(35), bare + "0", QString("{00000000-0000-0000-0000-000000000000}")}) {
        const Outcome r = cli(budget + QStringList{"--custom-id", wrong});
        EXPECT_EQ(r.status, ExitUsage) << wrong.toStdString();
        EXPECT_TRUE(
            r.err.contains("option --custom-id takes a custom standard's id as add-standard prints it, "
                           "{guid {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}}, or as "
                           "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX} or XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX"))
            << r.err.toStdString();
    }
}

TEST_F(CliContractTest, CountsAreSingularForOneInEnglishAndGerman)
{
    const QString database = sampleDatabase();
    struct Count
    {
        QString locale;
        QStringList words;
        QString said;
    };
    const QString one = path("one.mdb");
    const QList<Count> counts = {
        {"en_US", QStringList{"import", sample("corvina.kavw"), one} + kCorvinaLink,
         "stored 1 link and 3 circuits in " + one},
        {"de_DE", QStringList{"import", sample("corvina.kavw"), one, "--overwrite"} + kCorvinaLink,
         "1 Link und 3 Strecken in " + one + " gespeichert"},
        {"de_DE", QStringList{"import", sample("pendra-v2_10.kav"), path("seven.mdb")},
         "7 Links und 19 Strecken in " + path("seven.mdb") + " gespeichert"},
        {"de_DE", QStringList{"import", sample("pendra-v2_10.kav"), path("seven.mdb")},
         "erneut gemessen (gleicher Name, Prüfdatum und Messgerät) und ersetzt: 7 Links"},
        {"en_US", {"print", one, path("one.pdf"), "--summary"}, "wrote 1 page to " + path("one.pdf")},
        {"de_DE",
         {"print", one, path("one.pdf"), "--summary"},
         "1 Seite in " + path("one.pdf") + " geschrieben"},
        {"de_DE", {"print", database, "-", "--summary"}, "7 Seiten in die Standardausgabe geschrieben"},
        {"en_US",
         {"add-standard", "Plant", "--entry", "0,850nm,2000,0,3.5,0.75,0.3"},
         "saved 1 entry of Plant"},
        {"de_DE",
         {"add-standard", "Anlage", "--entry", "0,850nm,2000,0,3.5,0.75,0.3"},
         "1 Eintrag von Anlage"},
        {"de_DE",
         {"add-standard", "Campus", "--entry", "2,1310nm,10000,0,0.5,0.75,0.3", "--entry",
          "2,1550nm,10000,0,0.4,0.75,0.3"},
         "2 Einträge von Campus"},
    };
    for (const Count& count : counts) {
        const Outcome r = cli(QStringList{"--locale", count.locale} + count.words);
        EXPECT_EQ(r.status, ExitOk) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(count.said)) << count.said.toStdString() << "\n" << r.err.toStdString();
    }
}
