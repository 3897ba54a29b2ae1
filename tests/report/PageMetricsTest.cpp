#include "report/PageMetrics.h"
#include "report/ReportPageGeometry.h"
#include "report/SummaryPagination.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

namespace {

// Letter at 600 dpi with a quarter-inch band left and top and a 0.3 inch band
// right and bottom.
PageMetrics letterWithBands()
{
    return PageMetrics(QSize(600, 600), QSize(5100, 6600), QPoint(150, 150),
                       QSize(5100 - 150 - 180, 6600 - 330));
}

PageMetrics pdfMetrics(int dpi, QPageSize::PageSizeId paper, const QMarginsF& marginsInches = {})
{
    QBuffer buffer;
    QPdfWriter writer(&buffer);
    writer.setResolution(dpi);
    writer.setPageLayout(
        QPageLayout(QPageSize(paper), QPageLayout::Portrait, marginsInches, QPageLayout::Inch));
    return PageMetrics::fromDevice(writer);
}

} // namespace

TEST(PageMetrics, MulDivRoundsHalfAwayFromZero)
{
    EXPECT_EQ(PageMetrics::mulDiv(14, 300, 72), 58);  // 58.33
    EXPECT_EQ(PageMetrics::mulDiv(9, 100, 72), 13);   // 12.5 -> 13
    EXPECT_EQ(PageMetrics::mulDiv(-9, 100, 72), -13); // -12.5 -> -13
    EXPECT_EQ(PageMetrics::mulDiv(10, 100, 72), 14);  // 13.89
    EXPECT_EQ(PageMetrics::mulDiv(1, 1, 0), -1);
    EXPECT_EQ(PageMetrics::mulDiv(1 << 30, 1 << 30, 1), -1); // beyond int
}

TEST(PageMetrics, TheTenUnitsAndTheirRounding)
{
    const PageMetrics m = letterWithBands();
    EXPECT_EQ(m.rightGap(), 180);
    EXPECT_EQ(m.bottomGap(), 180);
    EXPECT_EQ(m.x(2, PageUnit::Inches), 1200);
    EXPECT_EQ(m.x(0.75, PageUnit::Inches), 450);
    EXPECT_EQ(m.y(1.0 / 16.0, PageUnit::Inches), 37); // 37.5 truncated
    EXPECT_EQ(m.x(1, PageUnit::DpiTimes25_4), 15240);
    EXPECT_EQ(m.x(1, PageUnit::DpiTimes2_54), 1524);
    EXPECT_EQ(m.x(0.5, PageUnit::DpiTimes2_54), 762);
    EXPECT_EQ(m.x(0.5, PageUnit::PrintableFraction), 2385);
    EXPECT_EQ(m.y(1, PageUnit::PaperFraction), 6600);
    EXPECT_EQ(m.x(0.25, PageUnit::PaperFraction), 1275);
    EXPECT_EQ(m.x(1, PageUnit::LeadingBandFraction), 150);
    EXPECT_EQ(m.x(1, PageUnit::TrailingBandFraction), 180);
    EXPECT_EQ(m.x(0.5, PageUnit::WiderBandFraction), 90);
    EXPECT_EQ(m.x(37, PageUnit::DeviceUnits), 37);
    EXPECT_EQ(m.y(9, PageUnit::Points), 75);
    EXPECT_EQ(m.y(0.5, PageUnit::Points), 4); // 4.17 truncated
    EXPECT_EQ(m.centreX(), 2550 - 150);
    EXPECT_EQ(m.centreY(), 3300 - 150);

    // Integer points round, fractional ones truncate: 14 pt at 100 dpi is 19.44.
    const PageMetrics coarse(QSize(100, 100), QSize(850, 1100), QPoint(0, 0), QSize(850, 1100));
    EXPECT_EQ(coarse.y(14, PageUnit::Points), 19);
    EXPECT_EQ(coarse.y(9, PageUnit::Points), 13); // 12.5 rounds up
    EXPECT_EQ(coarse.y(9.0, PageUnit::Points), 12);
}

TEST(PageMetrics, ReportFrameFollowsTheDevicesBands)
{
    // Bands under three quarters of an inch leave the margin at 0.75 inch.
    const ReportPageGeometry narrow(letterWithBands());
    EXPECT_EQ(narrow.marginX, 450);
    EXPECT_EQ(narrow.left, 450 - 150);
    EXPECT_EQ(narrow.top, 450 - 150);
    EXPECT_EQ(narrow.bottom, 6600 - 450 - 150);
    EXPECT_EQ(narrow.width, 5100 - 900);
    EXPECT_EQ(narrow.right, narrow.left + narrow.width);
    EXPECT_EQ(narrow.lineStep, 134); // 14 pt = 116.67 -> 117 device units, x 1.15 = 134.55
    EXPECT_EQ(narrow.ruleGap, 37);
    EXPECT_EQ(narrow.pairColumns, (std::array<int, 4>{300, 300 + 840, 300 + 2520, 300 + 3360}));

    // A device that cannot print within an inch of the edge gets that inch.
    const PageMetrics wide = pdfMetrics(300, QPageSize::Letter, QMarginsF(1, 1, 1, 1));
    EXPECT_EQ(wide.offsetX(), 300);
    const ReportPageGeometry g(wide);
    EXPECT_EQ(g.marginX, 300);
    EXPECT_EQ(g.marginY, 300);
    EXPECT_EQ(g.left, 0);
    EXPECT_EQ(g.top, 0);
    EXPECT_EQ(g.width, 2550 - 600);
    EXPECT_EQ(g.bottom, 3300 - 600);
}

TEST(PageMetrics, TwoResolutionsGiveTheSameLayoutInInches)
{
    for (const auto paper : {QPageSize::Letter, QPageSize::A4}) {
        const PageMetrics low = pdfMetrics(300, paper);
        const PageMetrics high = pdfMetrics(600, paper);
        EXPECT_EQ(low.dpiX(), 300);
        EXPECT_EQ(high.dpiY(), 600);
        EXPECT_NEAR(low.paperWidth() / 300.0, high.paperWidth() / 600.0, 1.0 / 300);
        EXPECT_NEAR(low.paperHeight() / 300.0, high.paperHeight() / 600.0, 1.0 / 300);

        const ReportPageGeometry a(low);
        const ReportPageGeometry b(high);
        const auto inches = [](int units, int dpi) { return units / static_cast<double>(dpi); };
        for (const auto& [x300, x600] :
             {std::pair{a.left, b.left}, std::pair{a.top, b.top}, std::pair{a.bottom, b.bottom},
              std::pair{a.width, b.width}, std::pair{a.right, b.right}, std::pair{a.lineStep, b.lineStep},
              std::pair{a.ruleGap, b.ruleGap}}) {
            EXPECT_NEAR(inches(x300, 300), inches(x600, 600), 1.5 / 300) << x300 << " " << x600;
        }
        for (std::size_t c = 0; c < 4; ++c)
            EXPECT_NEAR(inches(a.pairColumns[c], 300), inches(b.pairColumns[c], 600), 1.5 / 300);
        // The 14-point line step is a whole number of device units (58 at
        // 300 dpi x 1.15 = 0.220 inch, 117 at 600 dpi x 1.15 = 0.223 inch), so
        // over a page of summary rows the two may differ by one row.
        const int rows300 = SummaryPagination::rowsPerPage(a, a.top + low.y(1.25, PageUnit::Inches));
        const int rows600 = SummaryPagination::rowsPerPage(b, b.top + high.y(1.25, PageUnit::Inches));
        EXPECT_NEAR(rows300, rows600, 1);
        EXPECT_EQ(rows600, paper == QPageSize::Letter ? 23 : 26);
    }
}
