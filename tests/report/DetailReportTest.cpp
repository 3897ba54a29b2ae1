#include "ReportFixture.h"
#include "report/ViewDetailsPage.h"
#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

using DetailReportTest = ReportFixture;

// The words of one line between two x positions (points).
QStringList wordsBetween(const QList<PdfProbe::Word>& line, double from, double to)
{
    QStringList words;
    for (const PdfProbe::Word& word : line) {
        if (word.xMin >= from && word.xMax <= to)
            words << word.text;
    }
    return words;
}

// The first ten cells of a column of the window's Details of `circuit`.
QStringList viewColumn(const CircuitRecord& circuit, int column)
{
    QStringList texts;
    for (const auto& row : ViewDetailsPage::of(circuit, true).cells)
        texts << row[static_cast<std::size_t>(column)];
    return texts.mid(0, 10);
}

} // namespace

TEST_F(DetailReportTest, LossCircuitShowsItsLinkItsBudgetAndItsResults)
{
    addRiserA();
    const PdfProbe pdf(printPdf(Kind::Details, "details.pdf"));
    ASSERT_EQ(pdf.pageCount(), 2);

    EXPECT_EQ(lineOf(pdf, 1, "Circuit Detail Report"), "Circuit Detail Report");
    EXPECT_EQ(lineOf(pdf, 1, "Halvard Photonics"), "Halvard Photonics");
    EXPECT_EQ(lineOf(pdf, 1, "Link ID:"), "Link ID: Riser A Page: 1");
    EXPECT_EQ(lineOf(pdf, 1, "Company Name:"), "Company Name: Northwind Cabling Meter Type: Pendra");
    EXPECT_EQ(lineOf(pdf, 1, "Telephone Number:"),
              "Telephone Number: 604-555-0142 Serial Number: SN:P204417");
    EXPECT_EQ(lineOf(pdf, 1, "Software Version:"), "Software Version: 2.10");
    EXPECT_EQ(lineOf(pdf, 1, "Report Date:"), "Report Date: 5/2/2024");
    EXPECT_EQ(lineOf(pdf, 1, "Circuit ID:"), "Circuit ID: 1 Date of test: 3/14/2024");
    EXPECT_EQ(lineOf(pdf, 1, "Calibration Date:"), "Calibration Date: 11/2/2023 Temperature: 72.5 F");

    EXPECT_EQ(lineOf(pdf, 1, "Fiber Length"), "Fiber Length (in kilometers): 2.00");
    EXPECT_EQ(lineOf(pdf, 1, "Number of Connector Pairs:"), "Number of Connector Pairs: 2");
    EXPECT_EQ(lineOf(pdf, 1, "Number of Splices:"), "Number of Splices: 1");
    EXPECT_EQ(lineOf(pdf, 1, "Cable Type:"), "Cable Type: 62.5uM MM");
    EXPECT_EQ(lineOf(pdf, 1, "Standard:"), "Standard: EIA/TIA 568-A / CAN-T529");

    const QStringList expected = {
        "850nm 1300nm",
        "Passive Cable System Attenuation",
        "Light Source Reference Power -20.00dBm -20.00dBm",
        "Fiber Loss 7.50dB 3.00dB",
        "Connector Loss 1.50dB 1.50dB",
        "Splice Loss 0.30dB 0.30dB",
        "Total Allowable System Loss 9.30dB 4.80dB",
        "Minimum Required Power -29.30dBm -24.80dBm",
        "Measured Power -30.00dBm -24.00dBm",
        "Optical Loss 10.00 dB 4.00 dB",
        "System Overhead -0.70dB 0.80dB",
        "Operating Margin % -2.33% 10.01%",
        "Pass/Fail Fail Pass",
    };
    for (const QString& line : expected)
        EXPECT_EQ(lineOf(pdf, 1, line.section(' ', 0, 1)), line);

    // No notes, and no address line under a plain serial number.
    const QString text = pdf.pageLines(1).join('\n');
    EXPECT_FALSE(text.contains("*1 -") || text.contains("*2 -") || text.contains("*3 -") ||
                 text.contains("**"));
    EXPECT_FALSE(text.contains("Brannock"));
    EXPECT_EQ(lineOf(pdf, 1, "Installer/Tester:"), "Installer/Tester: Date:");
    EXPECT_EQ(lineOf(pdf, 1, "Customer:"), "Customer: Date:");
}

TEST_F(DetailReportTest, DeficitInParenthesesAndAMarginAboveTheBudgetFlagged)
{
    addRiserA();
    const PdfProbe pdf(printPdf(Kind::Details, "details.pdf"));
    ASSERT_EQ(pdf.pageCount(), 2);
    EXPECT_EQ(lineOf(pdf, 2, "System Overhead"), "System Overhead -1.25dB 6.05dB");
    EXPECT_EQ(lineOf(pdf, 2, "Optical Loss"), "Optical Loss 10.55 dB -1.25 dB");
    EXPECT_EQ(lineOf(pdf, 2, "Operating Margin %"), "Operating Margin % -4.44% 149.86%**");
    EXPECT_EQ(lineOf(pdf, 2, "** Invalid"), "** Invalid Operating Margin");
    EXPECT_FALSE(PdfProbe(pdf).layoutText().section('\f', 0, 0).contains("Invalid"));

    // The invalid margin line must not print over the Pass/Fail row on Letter paper.
    const QList<PdfProbe::Word> note = pdf.lineStartingWith(2, "**");
    const QList<PdfProbe::Word> verdicts = pdf.lineStartingWith(2, "Pass/Fail");
    ASSERT_FALSE(note.isEmpty());
    ASSERT_FALSE(verdicts.isEmpty());
    EXPECT_GT(note.first().yMin, verdicts.first().yMax);
}

TEST_F(DetailReportTest, ReturnLossCircuitShowsOnlyItsFourRows)
{
    addOrlLink();
    const PdfProbe pdf(printPdf(Kind::Details, "details.pdf"));
    ASSERT_EQ(pdf.pageCount(), 2);
    EXPECT_EQ(lineOf(pdf, 1, "Calibration Date:"), "Calibration Date: 11/2/2023 Temperature: -");
    EXPECT_EQ(lineOf(pdf, 1, "Fiber Length"), "Fiber Length (in kilometers): -");
    EXPECT_EQ(lineOf(pdf, 1, "Number of Connector Pairs:"), "Number of Connector Pairs: -");
    EXPECT_EQ(lineOf(pdf, 1, "Number of Splices:"), "Number of Splices: -");
    EXPECT_EQ(lineOf(pdf, 1, "Cable Type:"), "Cable Type: -");
    EXPECT_EQ(lineOf(pdf, 1, "Standard:"), "Standard: Plant ORL");

    QStringList page1 = pdf.pageLines(1);
    const qsizetype caption = page1.indexOf(QRegularExpression("^\\s*Passive Cable System Attenuation$"));
    ASSERT_GE(caption, 0);
    QStringList rows;
    for (qsizetype i = caption + 1; i < page1.size() && !page1.at(i).trimmed().isEmpty(); ++i)
        rows << page1.at(i).simplified();
    EXPECT_EQ(rows, (QStringList{"Return Loss 25.00dB 17.50dB", "Total Required Return Loss 20.00dB 20.00dB",
                                 "Operating Margin 5.00dB ( 2.50dB )", "Pass/Fail Pass Fail"}));
    EXPECT_EQ(lineOf(pdf, 1, "1310nm"), "1310nm 1550nm");

    // A negative return loss prints its magnitude without a sign.
    EXPECT_EQ(lineOf(pdf, 2, "Return Loss"), "Return Loss 3.50dB -");
    EXPECT_EQ(lineOf(pdf, 2, "Operating Margin"), "Operating Margin ( 23.50dB ) -");
}

TEST_F(DetailReportTest, EachWavelengthShowsTheReturnLossItIsJudgedAgainst)
{
    // 45 dB required at 1310 nm, 40 dB at 1550 nm. The circuit once kept only
    // the last requirement, and the page said "44.58 dB against required
    // 40.00 dB: Fail".
    ReportTestDatabase::Site site;
    site.linkId = "ORL 2";
    site.company = company_;
    site.standard = 13;
    site.customStandardId =
        db().addCustomStandard(13, "Plant ORL", 2, {{"1310nm", 45.0f}, {"1550nm", 40.0f}});
    site.fiberType = 2;
    site.references = {0, 0, 0, 0, 0};
    site.wavelengths = {"850nm", "980nm", "1310nm", "1480nm", "1550nm"};
    db().addFiber(db().addSite(site), "1", {0, 0, -44.58f, 0, -41.0f}, 2);

    const PdfProbe pdf(printPdf(Kind::Details, "details.pdf"));
    EXPECT_EQ(lineOf(pdf, 1, "Return Loss"), "Return Loss 44.58dB 41.00dB");
    EXPECT_EQ(lineOf(pdf, 1, "Total Required"), "Total Required Return Loss 45.00dB 40.00dB");
    EXPECT_EQ(lineOf(pdf, 1, "Operating Margin"), "Operating Margin ( 0.42dB ) 1.00dB");
    EXPECT_EQ(lineOf(pdf, 1, "Pass/Fail"), "Pass/Fail Fail Pass");

    const FiberCursor circuits = db().cursor();
    EXPECT_EQ(viewColumn(circuits.recordAt(0), 0),
              (QStringList{"44.58dB", "45.00dB", "-0.42dB", "Fail", " ", " ", " ", " ", " ", " "}));
    EXPECT_EQ(viewColumn(circuits.recordAt(0), 1),
              (QStringList{"41.00dB", "40.00dB", "1.00dB", "Pass", " ", " ", " ", " ", " ", " "}));
}

TEST_F(DetailReportTest, ALinkWithoutARealLengthShowsItsReadingsAndNoVerdict)
{
    // An old file's length of 1e40 m reads back as infinite: every fiber once
    // "passed" with an allowance of "inf dB".
    ReportTestDatabase::Site site;
    site.company = company_;
    site.lengthMetres = std::numeric_limits<float>::infinity();
    db().addFiber(db().addSite(site), "1", {-30, 0, -24, 0, 0});

    const PdfProbe pdf(printPdf(Kind::Details, "details.pdf"));
    EXPECT_EQ(lineOf(pdf, 1, "Fiber Length"), "Fiber Length (in kilometers): not a real length");
    const QStringList expected = {
        "Light Source Reference Power - -",
        "Fiber Loss - -",
        "Total Allowable System Loss - -",
        "Minimum Required Power - -",
        "Measured Power -30.00dBm -24.00dBm",
        "Optical Loss 10.00 dB 4.00 dB",
        "System Overhead - -",
        "Operating Margin % - -",
        "Pass/Fail - -",
    };
    for (const QString& line : expected)
        EXPECT_EQ(lineOf(pdf, 1, line.section(' ', 0, 1)), line);
    EXPECT_EQ(lineOf(pdf, 1, "- No verdict"),
              "- No verdict: the stored length of this link is not from 0 to 500 km.");
    EXPECT_FALSE(pdf.layoutText().contains("inf"));

    const FiberCursor circuits = db().cursor();
    const CircuitRecord& circuit = circuits.recordAt(0);
    EXPECT_EQ(ViewDetailsPage::of(circuit, true).length, "not a real length");
    EXPECT_EQ(viewColumn(circuit, 0),
              (QStringList{"-", "-", "-", "-", "-", "-", "-30.00dBm", "10.00dB", "-", "-"}));
}

TEST_F(DetailReportTest, NotesOneAndThreeSevenBlanksApartUnderTheXMetersVendor)
{
    addRiserB();
    const PdfProbe pdf(printPdf(Kind::Details, "details.pdf"));
    ASSERT_EQ(pdf.pageCount(), 1);
    EXPECT_EQ(lineOf(pdf, 1, "Brannock Metering"), "Brannock Metering");
    EXPECT_EQ(lineOf(pdf, 1, "Brannock Metering,"),
              "Brannock Metering, 1200 Harbour Road, Port Alder, BC V0N 1A0, Canada");
    EXPECT_FALSE(pdf.layoutText().contains("Halvard"));
    // 850 nm: reference set by hand, so no loss rows of the budget and no
    // verdict; 1550 nm: no entry in the standard, so no allowances and a margin
    // percentage of -infinity, printed as its floor.
    EXPECT_EQ(lineOf(pdf, 1, "Light Source Reference Power"), "Light Source Reference Power - -20.00dBm");
    EXPECT_EQ(lineOf(pdf, 1, "Total Allowable System Loss"), "Total Allowable System Loss 9.30dB 0.00dB");
    EXPECT_EQ(lineOf(pdf, 1, "System Overhead"), "System Overhead -5.00dB -2.00dB");
    EXPECT_EQ(lineOf(pdf, 1, "Operating Margin %"), "Operating Margin % - -9,999.99%");
    EXPECT_EQ(lineOf(pdf, 1, "Pass/Fail"), "Pass/Fail Note1 Note3");
    EXPECT_EQ(lineOf(pdf, 1, "*1"), "*1 - Manually set reference *3 - Not covered by TIA standard");

    // Seven blanks between the notes: a gap seven times the one between two words.
    const QList<PdfProbe::Word> notes = pdf.lineStartingWith(1, "*1");
    ASSERT_EQ(notes.size(), 12);
    ASSERT_EQ(notes.at(4).text, "reference");
    ASSERT_EQ(notes.at(5).text, "*3");
    const double blank = notes.at(4).xMin - notes.at(3).xMax;
    EXPECT_NEAR((notes.at(5).xMin - notes.at(4).xMax) / blank, 7.0, 0.3);
}

TEST_F(DetailReportTest, FeetInsteadOfKilometres)
{
    addRiserA();
    options.lengthInKilometers = false;
    const PdfProbe pdf(printPdf(Kind::Details, "details.pdf"));
    // 2 km x 3280.8399 = 6561.68 ft.
    EXPECT_EQ(lineOf(pdf, 1, "Fiber Length"), "Fiber Length (in feet): 6,562");
}

TEST_F(DetailReportTest, GermanLocaleWritesDecimalCommasAndItsDates)
{
    LocaleGuard german("de_DE");
    addRiserA();
    options.lengthInKilometers = false;
    const PdfProbe pdf(printPdf(Kind::Details, "details.pdf", QPageSize::A4));
    EXPECT_EQ(lineOf(pdf, 1, "Report Date:"), "Report Date: 02.05.2024");
    EXPECT_EQ(lineOf(pdf, 1, "Circuit ID:"), "Circuit ID: 1 Date of test: 14.03.2024");
    EXPECT_EQ(lineOf(pdf, 1, "Calibration Date:"), "Calibration Date: 02.11.2023 Temperature: 72,5 F");
    EXPECT_EQ(lineOf(pdf, 1, "Fiber Length"), "Fiber Length (in feet): 6.562");
    EXPECT_EQ(lineOf(pdf, 1, "Total Allowable System Loss"), "Total Allowable System Loss 9,30dB 4,80dB");
    EXPECT_EQ(lineOf(pdf, 1, "Optical Loss"), "Optical Loss 10,00 dB 4,00 dB");
    EXPECT_EQ(lineOf(pdf, 1, "Operating Margin %"), "Operating Margin % -2,33% 10,01%");
    EXPECT_EQ(lineOf(pdf, 2, "Operating Margin %"), "Operating Margin % -4,44% 149,86%**");
}

namespace {

// Figures with the same digits after the separator and the same unit end at
// the same x exactly when their separators line up, whatever comes before
// them; texts without a separator are centred on the column.
void expectDecimalColumn(const PdfProbe& pdf)
{
    QList<double> rightEdges;
    QList<double> leftEdges;
    for (const char* row : {"Fiber Loss", "Connector Loss", "Splice Loss", "System Overhead"}) {
        const QList<PdfProbe::Word> line = pdf.lineStartingWith(1, QLatin1String(row));
        ASSERT_GE(line.size(), 4) << row;
        const PdfProbe::Word& cell = line.at(line.size() - 2); // the 850 nm column
        rightEdges << cell.xMax;
        leftEdges << cell.xMin;
    }
    for (const double edge : rightEdges)
        EXPECT_NEAR(edge, rightEdges.first(), 0.05);
    EXPECT_GT(std::abs(leftEdges.last() - leftEdges.first()), 1.0); // "-0.70dB" against "7.50dB"

    const QList<PdfProbe::Word> heads = pdf.lineStartingWith(1, "850nm");
    const QList<PdfProbe::Word> verdicts = pdf.lineStartingWith(1, "Pass/Fail");
    ASSERT_FALSE(heads.isEmpty());
    ASSERT_EQ(verdicts.size(), 3);
    const PdfProbe::Word& head = heads.first();
    const PdfProbe::Word& fail = verdicts.at(1);
    EXPECT_NEAR((head.xMin + head.xMax) / 2, (fail.xMin + fail.xMax) / 2, 0.6);
}

} // namespace

TEST_F(DetailReportTest, FiguresOfAColumnShareTheirDecimalPoint)
{
    addRiserA();
    expectDecimalColumn(PdfProbe(printPdf(Kind::Details, "details.pdf")));
}

TEST_F(DetailReportTest, FiguresOfAColumnShareTheirDecimalComma)
{
    LocaleGuard german("de_DE");
    addRiserA();
    expectDecimalColumn(PdfProbe(printPdf(Kind::Details, "details.pdf")));
}

TEST_F(DetailReportTest, LongLinkCommentIsCutAfterTwoLines)
{
    ReportTestDatabase::Site site;
    site.company = company_;
    QStringList words;
    for (int i = 0; i < 25; ++i)
        words << QStringLiteral("WWW%1").arg(QChar('A' + i));
    site.comment = words.join(' ').left(128); // three lines and more at this width
    db().addFiber(db().addSite(site), "1", {-30, 0, -24, 0, 0});
    const PdfProbe pdf(printPdf(Kind::Details, "details.pdf"));

    const QStringList lines = pdf.pageLines(1);
    const qsizetype first = lines.indexOf(QRegularExpression("^Link Comment:.*"));
    ASSERT_GE(first, 0);
    const QString firstLine = lines.at(first).simplified().mid(QStringLiteral("Link Comment: ").size());
    const QString secondLine = lines.at(first + 1).simplified();
    EXPECT_TRUE(words.join(' ').startsWith(firstLine + ' ' + secondLine + ' '));
    EXPECT_TRUE(lines.at(first + 2).trimmed().isEmpty() ||
                lines.at(first + 2).contains("Circuit Characteristics"));
    const QString printed = pdf.layoutText();
    const QString lastWord = site.comment.section(' ', -1);
    EXPECT_FALSE(printed.contains(lastWord));
}

TEST_F(DetailReportTest, PageNAlwaysShowsCircuitN)
{
    addRiserA();
    addRiserB();
    const PdfProbe pdf(printPdf(Kind::Details, "details.pdf"));
    ASSERT_EQ(pdf.pageCount(), 3);
    const QStringList expected = {"Link ID: Riser A Page: 1", "Link ID: Riser A Page: 2",
                                  "Link ID: Riser B Page: 3"};
    for (int page = 1; page <= 3; ++page)
        EXPECT_EQ(lineOf(pdf, page, "Link ID:"), expected.at(page - 1));
    EXPECT_EQ(wordsBetween(pdf.lineStartingWith(2, "Circuit ID:"), 0, 200),
              (QStringList{"Circuit", "ID:", "2"}));
}
