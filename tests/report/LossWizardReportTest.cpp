#include "report/LossWizardReport.h"
#include "PdfProbe.h"
#include "cli/CliRun.h"
#include "report/LogoSource.h"
#include "report/PdfReportFile.h"
#include "standards/StandardsCatalog.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Points per inch of a PDF page; the printout is placed in inches.
constexpr double kInch = 72.0;

LossSummary twoKilometreSummary()
{
    StandardKey key;
    key.standardNumber = 2;
    key.fiberType = 0;
    key.wavelengthNumber = -1;
    return computeLossSummary(StandardsCatalog(), key, 2.0f, 2, 1);
}

class LossWizardReportTest : public TempDirTest
{
protected:
    PdfProbe print(const LossSummary& summary, QPageSize::PageSizeId paper = QPageSize::Letter)
    {
        LossWizardReport report(summary);
        QString error;
        pages_ = PdfReportFile(path("loss.pdf"), paper).write(report, LogoSource(QString()), &error);
        EXPECT_GT(pages_, 0) << error.toStdString();
        return PdfProbe(path("loss.pdf"));
    }

    static QString line(const PdfProbe& pdf, int page, const QString& start)
    {
        for (const QString& text : pdf.pageLines(page)) {
            if (text.simplified().startsWith(start))
                return text.simplified();
        }
        return "<none>";
    }

    int pages_ = 0;
};

} // namespace

TEST_F(LossWizardReportTest, PrintsTheCharacteristicsAndThresholdsOnOnePage)
{
    const PdfProbe pdf = print(twoKilometreSummary());
    EXPECT_EQ(pages_, 1);
    EXPECT_EQ(pdf.pageCount(), 1);
    EXPECT_EQ(line(pdf, 1, "Loss Wizard"), "Loss Wizard");
    EXPECT_EQ(line(pdf, 1, "Circuit"), "Circuit Characteristics");
    EXPECT_EQ(line(pdf, 1, "Fiber Length"), "Fiber Length (in kilometers): 2.000000 km");
    EXPECT_EQ(line(pdf, 1, "Number of Connector"), "Number of Connector Pairs: 2");
    EXPECT_EQ(line(pdf, 1, "Number of Splices"), "Number of Splices: 1");
    EXPECT_EQ(line(pdf, 1, "Cable Type"), "Cable Type: 62.5uM MM");
    EXPECT_EQ(line(pdf, 1, "Standard"), "Standard: EIA/TIA 568-A / CAN-T529");
    EXPECT_EQ(line(pdf, 1, "Loss Thresholds"), "Loss Thresholds");
    EXPECT_EQ(line(pdf, 1, "Wavelength"), "Wavelength (nm) Maximum Allowed Loss");
    EXPECT_EQ(line(pdf, 1, "850nm"), "850nm -9.300000 db");
    EXPECT_EQ(line(pdf, 1, "1300nm"), "1300nm -4.800000 db");
}

TEST_F(LossWizardReportTest, LabelsOneInchFromTheEdgeAndValuesThreeInchesFurther)
{
    const PdfProbe pdf = print(twoKilometreSummary());
    const auto title = pdf.lineStartingWith(1, "Loss Wizard");
    ASSERT_FALSE(title.isEmpty());
    EXPECT_NEAR(title.first().xMin, kInch, 3.0);
    EXPECT_NEAR(title.first().yMin, kInch, 4.0);

    // Each head one inch, then half an inch, below the one before.
    const auto head = pdf.lineStartingWith(1, "Circuit Characteristics");
    const auto length = pdf.lineStartingWith(1, "Fiber Length (in kilometers):");
    ASSERT_FALSE(head.isEmpty());
    ASSERT_FALSE(length.isEmpty());
    EXPECT_NEAR(head.first().yMin - title.first().yMin, kInch, 4.0);
    EXPECT_NEAR(length.first().yMin - head.first().yMin, kInch / 2, 4.0);
    const auto value = std::find_if(length.begin(), length.end(),
                                    [](const PdfProbe::Word& word) { return word.text == "2.000000"; });
    ASSERT_NE(value, length.end());
    EXPECT_NEAR(value->xMin, 4 * kInch, 3.0);

    // Lines of 12 point text step by 1.15 of their height.
    const auto pairs = pdf.lineStartingWith(1, "Number of Connector Pairs:");
    ASSERT_FALSE(pairs.isEmpty());
    const double step = pairs.first().yMin - length.first().yMin;
    EXPECT_GT(step, 12.0 * 1.1);
    EXPECT_LT(step, 12.0 * 1.5);

    const auto loss = pdf.lineStartingWith(1, "850nm");
    ASSERT_EQ(loss.size(), 3);
    EXPECT_NEAR(loss.first().xMin, kInch, 3.0);
    EXPECT_EQ(loss.at(1).text, "-9.300000");
    EXPECT_NEAR(loss.at(1).xMin, 4 * kInch, 3.0);
}

TEST_F(LossWizardReportTest, AStandardWithoutEntriesPrintsTheFrameWithNoLines)
{
    LossSummary empty = twoKilometreSummary();
    empty.lines.clear();
    empty.standardText.clear();
    const PdfProbe pdf = print(empty);
    EXPECT_EQ(pages_, 1);
    EXPECT_EQ(line(pdf, 1, "Standard"), "Standard:");
    const QStringList lines = pdf.pageLines(1);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.filter(QRegularExpression("\\S")).last().simplified(),
              "Wavelength (nm) Maximum Allowed Loss");
}

TEST_F(LossWizardReportTest, LinesThatDoNotFitGoOnFurtherPagesAndNoneIsLost)
{
    LossSummary many = twoKilometreSummary();
    many.lines.clear();
    for (int nm = 1; nm <= 120; ++nm)
        many.lines.append({QStringLiteral("%1nm").arg(1000 + nm), QStringLiteral("-%1.000000 db").arg(nm)});
    const PdfProbe pdf = print(many, QPageSize::A4);
    ASSERT_GE(pages_, 3);
    EXPECT_EQ(pdf.pageCount(), pages_);

    const double pageHeight = 841.89; // A4 in points
    int found = 0;
    for (const PdfProbe::Word& word : pdf.words()) {
        EXPECT_LE(word.yMax, pageHeight - kInch + 1.0) << word.text.toStdString() << " on " << word.page;
        if (word.text.endsWith("nm") && word.text.size() == 6)
            ++found;
    }
    EXPECT_EQ(found, 120);
    for (int page = 2; page <= pages_; ++page) {
        EXPECT_EQ(pdf.pageLines(page).filter(QRegularExpression("\\S")).first().simplified(),
                  "Wavelength (nm) Maximum Allowed Loss")
            << "page " << page;
    }
    EXPECT_EQ(line(pdf, 1, "1001nm"), "1001nm -1.000000 db");
    EXPECT_EQ(line(pdf, pages_, "1120nm"), "1120nm -120.000000 db");
}

namespace {

const QStringList kBudgetTwoKilometres = {"budget", "--standard",   "2", "--fiber-type", "0", "--length-km",
                                          "2",      "--connectors", "2", "--splices",    "1"};

} // namespace

TEST_F(LossWizardReportTest, CliBudgetWritesThePrintoutBesideItsLines)
{
    const CliRun plain = runCliCaptured(kBudgetTwoKilometres);
    ASSERT_EQ(plain.status, ExitOk) << plain.err.toStdString();

    const CliRun withPdf = runCliCaptured(QStringList(kBudgetTwoKilometres) << "--pdf" << path("budget.pdf"));
    ASSERT_EQ(withPdf.status, ExitOk) << withPdf.err.toStdString();
    EXPECT_EQ(withPdf.out, plain.out);
    EXPECT_TRUE(withPdf.err.isEmpty()) << withPdf.err.toStdString();

    const PdfProbe pdf(path("budget.pdf"));
    EXPECT_EQ(pdf.pageCount(), 1);
    EXPECT_EQ(line(pdf, 1, "850nm"), "850nm -9.300000 db");
    EXPECT_EQ(line(pdf, 1, "Fiber Length"), "Fiber Length (in kilometers): 2.000000 km");
    EXPECT_EQ(line(pdf, 1, "Standard"), "Standard: EIA/TIA 568-A / CAN-T529");
    EXPECT_TRUE(QDir(path(QString()))
                    .entryList({"budget.pdf?*", ".fibrolog-*"}, QDir::Files | QDir::Hidden)
                    .isEmpty());
}

TEST_F(LossWizardReportTest, CliBudgetWritesNoPrintoutWhenItFails)
{
    // No entries: the error comes before any page, and an existing file stays.
    writeFile(path("kept.pdf"), "earlier");
    const CliRun none = runCliCaptured({"budget", "--standard", "20", "--fiber-type", "0", "--length-km", "1",
                                        "--connectors", "0", "--splices", "0", "--pdf", path("kept.pdf")});
    EXPECT_EQ(none.status, ExitError);
    EXPECT_EQ(fileBytes(path("kept.pdf")), "earlier");

    // A folder is no place for it.
    QDir(path(QString())).mkdir("folder.pdf");
    const CliRun folder = runCliCaptured(QStringList(kBudgetTwoKilometres) << "--pdf" << path("folder.pdf"));
    EXPECT_EQ(folder.status, ExitError);
    EXPECT_TRUE(folder.out.isEmpty());
    EXPECT_TRUE(folder.err.contains("not a regular file")) << folder.err.toStdString();

    // A value is needed.
    EXPECT_EQ(runCliCaptured(QStringList(kBudgetTwoKilometres) << "--pdf").status, ExitUsage);
}
