#include "ReportFixture.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliRun.h"
#include "database/TestDatabaseSchema.h"
#include "report/LinkChartPainter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <cstdlib>

namespace {

class CliPrintTest : public ReportFixture
{
protected:
    // The program opens the test database exclusively: the fixture lets go of it first.
    CliRun print(QStringList arguments)
    {
        db_.reset();
        arguments.prepend("print");
        return runCliCaptured(arguments);
    }

    QString database() const { return path("links.mdb"); }

    // Riser A: circuits 1 and 2 fail at 850 nm, 3 passes; Riser B: one
    // circuit without a verdict (notes); Riser C: circuit 7 passes, 8 fails at 850 nm.
    void addChoiceLinks()
    {
        db().addFiber(addRiserA(), "3", {-22, 0, -21, 0, 0});
        addRiserB();
        ReportTestDatabase::Site site;
        site.linkId = "Riser C";
        site.company = company_;
        const RecordId riserC = db().addSite(site);
        db().addFiber(riserC, "7", {-23, 0, -22, 0, 0});
        db().addFiber(riserC, "8", {-31, 0, -22, 0, 0});
    }
};

// The ink of a word on a page rendered at `dpi`: the average of its pixels
// that are not paper white.
QColor inkOf(const QImage& page, const PdfProbe::Word& word, int dpi)
{
    const double scale = dpi / 72.0;
    long r = 0, g = 0, b = 0, count = 0;
    for (int y = int(word.yMin * scale); y <= int(word.yMax * scale); ++y) {
        for (int x = int(word.xMin * scale); x <= int(word.xMax * scale); ++x) {
            const QRgb pixel = page.pixel(x, y);
            if (qRed(pixel) + qGreen(pixel) + qBlue(pixel) > 3 * 235)
                continue;
            r += qRed(pixel);
            g += qGreen(pixel);
            b += qBlue(pixel);
            ++count;
        }
    }
    return count == 0 ? QColor() : QColor(int(r / count), int(g / count), int(b / count));
}

// Red, green, amber or grey (black, anti-aliased) as a reader would name it.
QString colourName(const QColor& ink)
{
    if (!ink.isValid())
        return "none";
    const int r = ink.red(), g = ink.green(), b = ink.blue();
    if (r > g + 60 && r > b + 60 && std::abs(g - b) < 30)
        return "red";
    if (r > g && g > b + 40 && r > b + 80)
        return "amber";
    if (g > r + 40 && g > b + 40)
        return "green";
    if (std::abs(r - g) < 12 && std::abs(g - b) < 12)
        return "grey";
    return QString("other %1").arg(ink.name());
}

} // namespace

TEST_F(CliPrintTest, WritesTheDetailReportOnThePaperOfTheLocale)
{
    addRiserA();
    const CliRun run = print({database(), path("out.pdf")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString(); // standard output is for data
    EXPECT_EQ(run.err, "wrote 2 pages to " + path("out.pdf") + "\n");
    const PdfProbe pdf(path("out.pdf"));
    EXPECT_EQ(pdf.pageCount(), 2);
    EXPECT_EQ(pdf.pageSize(), "612 x 792"); // Letter in en_US
    EXPECT_EQ(lineOf(pdf, 1, "Circuit Detail Report"), "Circuit Detail Report");
    EXPECT_EQ(lineOf(pdf, 1, "Fiber Length"), "Fiber Length (in kilometers): 2.00");
    EXPECT_TRUE(QDir(path(QString())).entryList({"out.pdf?*"}).isEmpty()); // no partial file left
}

TEST_F(CliPrintTest, SummaryFeetPaperAndLocaleOptions)
{
    addRiserA();
    CliRun run = print({database(), path("summary.pdf"), "--summary", "--paper", "a4"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(PdfProbe(path("summary.pdf")).pageSize(), "595 x 842");
    EXPECT_EQ(lineOf(PdfProbe(path("summary.pdf")), 1, "Circuit Summary Report"), "Circuit Summary Report");

    run = print({database(), path("feet.pdf"), "--details", "--feet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(lineOf(PdfProbe(path("feet.pdf")), 1, "Fiber Length"), "Fiber Length (in feet): 6,562");

    run = runCliCaptured({"--locale", "de_DE", "print", database(), path("de.pdf")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const PdfProbe german(path("de.pdf"));
    EXPECT_EQ(german.pageSize(), "595 x 842"); // A4 in Germany
    EXPECT_EQ(lineOf(german, 1, "Total Allowable System Loss"), "Total Allowable System Loss 9,30dB 4,80dB");
}

TEST_F(CliPrintTest, NothingToPrintIsAnErrorAndWritesNothing)
{
    writeFile(path("keep.pdf"), "an earlier report");
    const CliRun run = print({database(), path("keep.pdf")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("holds no circuits; there is nothing to print")) << run.err.toStdString();
    EXPECT_EQ(fileBytes(path("keep.pdf")), "an earlier report");

    EXPECT_EQ(print({database(), path("none.pdf")}).status, 1);
    EXPECT_FALSE(QFile::exists(path("none.pdf")));
}

TEST_F(CliPrintTest, FilesThatAreNotCurrentTestDatabasesAreRefused)
{
    ASSERT_TRUE(createTestDatabase(path("old.mdb"), kSchemaVersion2));
    CliRun run = print({path("old.mdb"), path("out.pdf")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(
        "has the older format of schema 2.0. Open it in Fibrolog, or run \"fibrolog-cli upgrade " +
        path("old.mdb") + "\", to convert it first."))
        << run.err.toStdString();

    writeFile(path("notes.mdb"), QByteArray(4096, 'x'));
    run = print({path("notes.mdb"), path("out.pdf")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(Strings::loadString(StringId::NotCreatedBySoftware)))
        << run.err.toStdString();

    run = print({path("missing.mdb"), path("out.pdf")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("Could not find file")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("out.pdf")));
}

TEST_F(CliPrintTest, AnUnreadableLogoFallsBackToTheBuiltInOne)
{
    addRiserA();
    writeFile(path("logo.bmp"), "BM, but not a bitmap");
    CliRun run = print({database(), path("out.pdf"), "--logo", path("logo.bmp")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.contains("cannot be read; the built-in logo is used")) << run.err.toStdString();
    EXPECT_EQ(PdfProbe(path("out.pdf")).pageCount(), 2);

    QImage logo(300, 100, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    ASSERT_TRUE(logo.save(path("logo.jpg"), "JPEG"));
    run = print({database(), path("jpeg.pdf"), "--logo", path("logo.jpg")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "wrote 2 pages to " + path("jpeg.pdf") + "\n"); // nothing about the logo
}

TEST_F(CliPrintTest, UsageMistakesAndUnwritableOutput)
{
    addRiserA();
    EXPECT_EQ(print({database(), path("out.pdf"), "--details", "--summary"}).status, 2);
    EXPECT_EQ(print({database(), path("out.pdf"), "--paper", "B5"}).status, 2);
    EXPECT_EQ(print({database()}).status, 2);

    const CliRun run = print({database(), path("no/such/folder/out.pdf")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        run.err.contains("Cannot write " + path("no/such/folder/out.pdf") + ": No such file or directory"))
        << run.err.toStdString();
}

TEST_F(CliPrintTest, TheProgramPrintsWithoutADisplay)
{
    addRiserA();
    db_.reset(); // the program opens the file exclusively
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    program.setProcessEnvironment(environment);
    program.start(FIBROLOG_CLI_PATH, {"print", path("links.mdb"), path("out.pdf"), "--summary"});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_EQ(PdfProbe(path("out.pdf")).pageCount(), 1);
}

TEST_F(CliPrintTest, TheProgramPrintsInGermanWithItsLanguageModule)
{
    addRiserA();
    db_.reset();
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(FIBROLOG_CLI_PATH, {"--locale", "de_DE", "print", path("links.mdb"), path("de.pdf")});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    // German was asked for and found: no line says it is missing, and the status is German.
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardError()),
              "2 Seiten in " + path("de.pdf") + " geschrieben\n");
    const PdfProbe german(path("de.pdf"));
    EXPECT_EQ(lineOf(german, 1, "Detailbericht der Strecke"), "Detailbericht der Strecke");
    EXPECT_EQ(lineOf(german, 1, "Zulässige Gesamtdämpfung"), "Zulässige Gesamtdämpfung 9,30dB 4,80dB");

    // A language with no module: English texts, the numbers of that
    // locale, and one line saying so, which --quiet does not silence.
    program.start(FIBROLOG_CLI_PATH,
                  {"--locale", "fr_FR", "--quiet", "print", path("links.mdb"), path("fr.pdf")});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(QString::fromLocal8Bit(program.readAllStandardError()).count('\n'), 1);
    EXPECT_EQ(lineOf(PdfProbe(path("fr.pdf")), 1, "Total Allowable System Loss"),
              "Total Allowable System Loss 9,30dB 4,80dB");
}

TEST_F(CliPrintTest, ColorPrintsEachVerdictInItsInkAndChangesNoText)
{
    addRiserA(); // fiber 1: Fail at 850 nm, Pass at 1300 nm
    addRiserB(); // notes 1 and 3
    constexpr int kDpi = 150;
    const struct
    {
        const char* kind;
        int page;
        QStringList verdicts; // on that page, left to right, top down
    } reports[] = {
        {"--details", 1, {"Fail", "Pass"}},
        {"--summary", 1, {"Fail", "Pass", "Fail", "Pass"}},
        {"--details", 3, {"Note1", "Note3"}},
    };
    for (const auto& report : reports) {
        SCOPED_TRACE(std::string(report.kind) + " page " + std::to_string(report.page));
        const QString plain = path("plain.pdf");
        const QString colour = path("colour.pdf");
        ASSERT_EQ(print({database(), plain, report.kind}).status, 0);
        const CliRun run = print({database(), colour, report.kind, "--color"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        // The same texts in the same places; only the verdicts' ink differs.
        EXPECT_EQ(PdfProbe(colour).layoutText(), PdfProbe(plain).layoutText());

        for (const QString& pdf : {plain, colour}) {
            const QString png = path("page.png");
            PdfProbe::run("pdftoppm",
                          {"-png", "-r", QString::number(kDpi), "-f", QString::number(report.page), "-l",
                           QString::number(report.page), "-singlefile", pdf, path("page")});
            const QImage image(png);
            ASSERT_FALSE(image.isNull());
            QStringList seen;
            QStringList inks;
            for (const PdfProbe::Word& word : PdfProbe(pdf).words()) {
                if (word.page != report.page ||
                    !QStringList({"Pass", "Fail", "Note1", "Note3"}).contains(word.text))
                    continue;
                seen << word.text;
                inks << colourName(inkOf(image, word, kDpi));
            }
            EXPECT_EQ(seen, report.verdicts);
            QStringList expected;
            for (const QString& verdict : report.verdicts)
                expected << (pdf == plain        ? "grey"
                             : verdict == "Fail" ? "red"
                             : verdict == "Pass" ? "green"
                                                 : "amber");
            EXPECT_EQ(inks, expected) << pdf.toStdString();
            QFile::remove(png);
        }
    }
}

TEST_F(CliPrintTest, PrintsOnlyTheChosenCircuits)
{
    addChoiceLinks();
    const struct
    {
        QStringList options;
        QStringList detailIds; // "Riser A/1": link and circuit of each page, in order
    } cases[] = {
        {{"--only-failing"}, {"Riser A/1", "Riser A/2", "Riser C/8"}},
        {{"--link", "Riser C", "--link", "Riser A"},
         {"Riser A/1", "Riser A/2", "Riser A/3", "Riser C/7", "Riser C/8"}},
        {{"--only-failing", "--link=Riser C"}, {"Riser C/8"}},
        {{"--link", "Riser B"}, {"Riser B/1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const CliRun run = print(QStringList{database(), path("chosen.pdf")} + c.options);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const PdfProbe pdf(path("chosen.pdf"));
        QStringList pages;
        for (int page = 1; page <= pdf.pageCount(); ++page)
            pages.append(lineOf(pdf, page, "Link ID:").section(' ', 2, 3).section(" Page", 0, 0) + '/' +
                         lineOf(pdf, page, "Circuit ID:").section(' ', 2, 2));
        EXPECT_EQ(pages, c.detailIds);
    }

    // The summary of the failing circuits: one page per link with a failing
    // circuit, and only those circuits' lines on it.
    const CliRun run = print({database(), path("summary.pdf"), "--summary", "--only-failing"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const PdfProbe summary(path("summary.pdf"));
    ASSERT_EQ(summary.pageCount(), 2);
    const auto circuitLines = [&summary](int page) {
        QStringList ids;
        for (const QString& line :
             summary.pageLines(page).filter(QRegularExpression("^[0-9]+ +(Pass|Fail) ")))
            ids.append(line.section(' ', 0, 0));
        return ids;
    };
    EXPECT_TRUE(lineOf(summary, 1, "Link ID:").startsWith("Link ID: Riser A"));
    EXPECT_EQ(circuitLines(1), QStringList({"1", "2"}));
    EXPECT_TRUE(lineOf(summary, 2, "Link ID:").startsWith("Link ID: Riser C"));
    EXPECT_EQ(circuitLines(2), QStringList({"8"}));
}

TEST_F(CliPrintTest, AChoiceOfUnknownLinksOrOfNothingWritesNoFile)
{
    addChoiceLinks();
    const struct
    {
        QStringList options;
        int status;
        QString message;
    } cases[] = {
        {{"--link", "Riser A", "--link", "Riser Z"}, 1, "has no link named Riser Z"},
        {{"--link", "riser a"}, 1, "has no link named riser a"},
        {{"--only-failing", "--link", "Riser B"},
         1,
         "holds no failing circuit in Riser B; there is nothing to print and no file was written"},
        {{"--charts"}, 2, "--charts adds chart pages to the summary report"},
        {{"--details", "--charts"}, 2, "use it with --summary, not with the detail report"},
        {{"--link"}, 2, "option --link needs a value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const CliRun run = print(QStringList{database(), path("none.pdf")} + c.options);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("none.pdf")));
    }
}

TEST_F(CliPrintTest, SummaryChartsAddAChartPageAfterEachLink)
{
    addChoiceLinks();
    const CliRun run = print({database(), path("charts.pdf"), "--summary", "--charts"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const PdfProbe pdf(path("charts.pdf"));
    ASSERT_EQ(pdf.pageCount(), 6);
    const QStringList links = {"Riser A", "Riser A", "Riser B", "Riser B", "Riser C", "Riser C"};
    for (int page = 1; page <= 6; ++page) {
        SCOPED_TRACE(page);
        const bool chart = page % 2 == 0;
        EXPECT_EQ(lineOf(pdf, page, chart ? "Link Chart" : "Circuit Summary Report"),
                  chart ? "Link Chart" : "Circuit Summary Report");
        EXPECT_TRUE(lineOf(pdf, page, "Link ID:").startsWith("Link ID: " + links.at(page - 1)));
        EXPECT_EQ(lineOf(pdf, page, "Page:").isEmpty(), false);
    }
    EXPECT_FALSE(lineOf(pdf, 2, "850nm: optical loss in dB").isEmpty());
    EXPECT_FALSE(lineOf(pdf, 2, "1300nm: optical loss in dB").isEmpty());
    EXPECT_FALSE(lineOf(pdf, 4, "This link has no optical loss readings").isEmpty() &&
                 lineOf(pdf, 4, "1550nm: optical loss in dB").isEmpty());

    // Riser A's chart page read back as pixels: the failing fibers' hatched
    // bars rise above their allowed loss, the passing fiber's filled bar stays below it.
    const QString png = path("chart.png");
    PdfProbe::run("pdftoppm", {"-png", "-r", "100", "-f", "2", "-l", "2", "-singlefile", path("charts.pdf"),
                               path("chart")});
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    const auto near = [](QRgb pixel, unsigned colour) {
        return std::abs(qRed(pixel) - int(colour >> 16)) < 40 &&
               std::abs(qGreen(pixel) - int((colour >> 8) & 0xff)) < 40 &&
               std::abs(qBlue(pixel) - int(colour & 0xff)) < 40;
    };
    int failAbove = 0;
    int passColumns = 0;
    for (int x = 0; x < image.width(); ++x) {
        int red = -1, green = -1, blue = -1; // topmost pixel of each colour in the column
        for (int y = 0; y < image.height(); ++y) {
            const QRgb pixel = image.pixel(x, y);
            if (red < 0 && near(pixel, LinkChartPainter::kFailColour))
                red = y;
            if (green < 0 && near(pixel, LinkChartPainter::kPassColour))
                green = y;
            if (blue < 0 && near(pixel, LinkChartPainter::kLimitColour))
                blue = y;
        }
        if (blue < 0)
            continue;
        if (red >= 0 && red < blue - 2)
            ++failAbove;
        if (green >= 0) {
            ++passColumns;
            EXPECT_GT(green, blue) << "a passing bar reaches its limit at x " << x;
        }
    }
    EXPECT_GT(failAbove, 0) << "no failing bar rises above its limit";
    EXPECT_GT(passColumns, 0) << "no passing bar under a limit";
}
