// File > Print Preview on a file of a thousand circuits, driven with keys,
// buttons and the zoom list as a user does, and printed from the preview.
#include "WindowFixture.h"

#include "database/Database.h"
#include "gui/CommandIds.h"
#include "gui/ReportPageView.h"
#include "gui/ReportPreviewDialog.h"
#include "support/LocaleGuard.h"
#include "support/TestDatabaseBuilder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>

using namespace CommandIds;

namespace {

constexpr int kLinks = 40;
constexpr int kFibersPerLink = 25;
constexpr int kCircuits = kLinks * kFibersPerLink;
// Circuit IDs that look nothing alike from one page to the next.
const char* const kNames[kFibersPerLink] = {
    "Alpha",   "Bravo", "Charlie", "Delta",  "Echo",     "Foxtrot", "Golf",  "Hotel",  "India",
    "Juliett", "Kilo",  "Lima",    "Mike",   "November", "Oscar",   "Papa",  "Quebec", "Romeo",
    "Sierra",  "Tango", "Uniform", "Victor", "Whiskey",  "X-ray",   "Yankee"};

class WindowPreviewTest : public WindowTest
{
protected:
    // Links "LINK 00" .. "LINK 39" of 25 fibers ("01 Alpha" .. "25 Yankee")
    // each, every fiber with losses of its own.
    QString makeLargeFile()
    {
        const QString file = path("large.mdb");
        TestDatabaseBuilder builder(file);
        builder.database().beginTransaction();
        const RecordId company = builder.addCompany("Northwind Cabling");
        for (int link = 0; link < kLinks; ++link) {
            TestDatabaseBuilder::Site site;
            site.name = QStringLiteral("LINK %1").arg(link, 2, 10, QLatin1Char('0'));
            site.company = company;
            site.wizard = 0b11;
            site.references = {-20.0f, -19.5f, 0, 0, 0};
            site.wavelengths = {"850nm", "1300nm", "9999nm", "9999nm", "9999nm"};
            const RecordId id = builder.addSite(site);
            for (int fiber = 1; fiber <= kFibersPerLink; ++fiber)
                builder.addFiber(
                    id, QStringLiteral("%1 %2").arg(fiber, 2, 10, QLatin1Char('0')).arg(kNames[fiber - 1]), 0,
                    {-22.0f - 0.37f * fiber - 0.11f * link, -21.0f - 0.21f * fiber, 0, 0, 0});
        }
        builder.database().commit();
        return file;
    }

    // Runs `steps` on the preview File > Print Preview shows, inside the
    // preview's own event loop, then closes it unless the steps did.
    void preview(const std::function<void(ReportPreviewDialog&)>& steps)
    {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* dialog = qobject_cast<ReportPreviewDialog*>(modal);
            if (!dialog) {
                if (modal)
                    modal->close();
                return;
            }
            shown = true;
            dialog->activateWindow();
            QCoreApplication::processEvents();
            dialog->grab(); // what the user sees is painted
            steps(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        trigger(PrintPreview);
        EXPECT_TRUE(shown) << "File > Print Preview showed no preview of the report";
    }

    static void key(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&widget, key, modifiers);
        QCoreApplication::processEvents();
        widget.window()->grab();
    }

    // Whether page `page` can be seen in the view.
    static bool inView(ReportPageView& view, int page)
    {
        return view.pageRect(page).intersects(view.viewport()->rect());
    }
};

// A grey picture, for comparing two renderings of one page.
QImage grey(const QImage& image)
{
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// The dark pixels (ink) of `a` with no dark pixel of `b` within a pixel:
// text or lines that one picture has and the other has not. Two renderers
// smoothing and rounding the same glyphs differ by a pixel here and there,
// which this does not count.
int inkMissingFrom(const QImage& a, const QImage& b)
{
    constexpr int kReach = 1;
    const QImage ga = grey(a);
    const QImage gb = grey(b);
    constexpr int kDark = 128;
    int missing = 0;
    // Not at the edges, where the other picture's ink may lie just outside.
    for (int y = kReach; y < ga.height() - kReach; ++y) {
        for (int x = kReach; x < ga.width() - kReach; ++x) {
            if (ga.constScanLine(y)[x] >= kDark)
                continue;
            bool found = false;
            for (int by = std::max(0, y - kReach); !found && by <= std::min(gb.height() - 1, y + kReach);
                 ++by) {
                for (int bx = std::max(0, x - kReach); !found && bx <= std::min(gb.width() - 1, x + kReach);
                     ++bx)
                    found = gb.constScanLine(by)[bx] < kDark;
            }
            missing += found ? 0 : 1;
        }
    }
    return missing;
}

// Ink either picture has and the other has not.
int inkDifference(const QImage& a, const QImage& b)
{
    return inkMissingFrom(a, b) + inkMissingFrom(b, a);
}

// Page `page` of `pdf` rendered at `size` pixels by poppler.
QImage pdfPage(const QString& pdf, int page, QSize size, const QString& prefix)
{
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-png"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                    QString::number(page), QStringLiteral("-scale-to-x"), QString::number(size.width()),
                    QStringLiteral("-scale-to-y"), QString::number(size.height()),
                    QStringLiteral("-singlefile"), pdf, prefix});
    pdftoppm.waitForFinished(60000);
    return QImage(prefix + QStringLiteral(".png"));
}

} // namespace

TEST_F(WindowPreviewTest, PreviewPaintsTheShownPagesPagesZoomsAndPrintsWhatItShows)
{
    const LocaleGuard locale("en_US");
    const QString pdf = path("printed.pdf");
    int offeredPages = 0;
    choosePrinter_ = [&](QPrinter& printer, int pages) {
        offeredPages = pages;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    makeFrame();
    ASSERT_TRUE(frame_->openFile(makeLargeFile()));
    trigger(ViewDetails);

    QImage shownFirstPage;
    QSize sheetSize;
    QRect shownPart; // of the sheet, in the sheet's own pixels
    preview([&](ReportPreviewDialog& dialog) {
        ReportPageView& view = dialog.pages();
        auto* pageBox = dialog.findChild<QSpinBox*>(QStringLiteral("previewPage"));
        auto* pageCount = dialog.findChild<QLabel*>(QStringLiteral("previewPageCount"));
        auto* next = dialog.findChild<QToolButton*>(QStringLiteral("previewNext"));
        auto* previous = dialog.findChild<QToolButton*>(QStringLiteral("previewPrevious"));
        auto* zoom = dialog.findChild<QComboBox*>(QStringLiteral("previewZoom"));
        ASSERT_TRUE(pageBox && pageCount && next && previous && zoom);

        // One page per circuit, and only what is on the screen was painted.
        EXPECT_EQ(view.pageCount(), kCircuits);
        EXPECT_EQ(pageCount->text(), QStringLiteral("of 1,000"));
        EXPECT_EQ(pageBox->value(), 1);
        EXPECT_FALSE(previous->isEnabled());
        EXPECT_LE(view.cache().pagesPainted(), 2) << "the preview painted pages it did not show";
        screenshot(dialog, QStringLiteral("report-preview"));

        // Ctrl++ zooms in, on the same page. From the zoom list, 200 % (100 %
        // on a screen of twice the density) makes the glyphs large enough to
        // tell one text from another in the picture the user sees; a few
        // lines down the circuit's own lines are in view.
        const int fitWidth = view.pageRect(1).width();
        key(view, Qt::Key_Plus, Qt::ControlModifier);
        EXPECT_GT(view.pageRect(1).width(), fitWidth);
        EXPECT_TRUE(zoom->currentText().endsWith(QLatin1Char('%'))) << zoom->currentText().toStdString();
        const bool dense = view.devicePixelRatioF() >= 2;
        key(dialog, Qt::Key_Z, Qt::AltModifier); // "&Zoom:"
        key(*zoom, Qt::Key_End);
        for (int up = 0; up < (dense ? 5 : 2); ++up)
            key(*zoom, Qt::Key_Up);
        EXPECT_EQ(zoom->currentText(), dense ? QStringLiteral("100%") : QStringLiteral("200%"));
        EXPECT_EQ(view.pageRect(1).width(), qRound(8.5 * view.logicalDpiX() * (dense ? 1 : 2)))
            << "the zoom of a Letter sheet";
        for (int down = 0; down < 4; ++down)
            key(view, Qt::Key_Down);
        EXPECT_EQ(view.currentPage(), 1) << "zooming lost the page";
        const QRect sheet = view.pageRect(1);
        const QRect visible = sheet & view.viewport()->rect();
        shownFirstPage = view.viewport()->grab(visible).toImage();
        shownPart = visible.translated(-sheet.topLeft());
        sheetSize = sheet.size();
        ASSERT_FALSE(shownFirstPage.isNull());

        // Keys, buttons and the page number move through the pages.
        const struct
        {
            std::function<void()> act;
            int page;
        } moves[] = {
            {[&] { key(view, Qt::Key_PageDown); }, 2},
            {[&] { key(view, Qt::Key_PageDown, Qt::ControlModifier); }, 12},
            {[&] { key(view, Qt::Key_PageUp); }, 11},
            {[&] { key(view, Qt::Key_End, Qt::ControlModifier); }, kCircuits},
            {[&] { QTest::mouseClick(previous, Qt::LeftButton); }, kCircuits - 1},
            {[&] { key(view, Qt::Key_Home); }, 1},
            {[&] { QTest::mouseClick(next, Qt::LeftButton); }, 2},
            {[&] {
                 key(dialog, Qt::Key_A, Qt::AltModifier); // "P&age:"
                 QTest::keyClick(pageBox, Qt::Key_A, Qt::ControlModifier);
                 QTest::keyClicks(pageBox, QStringLiteral("500"));
                 key(*pageBox, Qt::Key_Return);
             },
             500},
        };
        for (const auto& move : moves) {
            move.act();
            EXPECT_EQ(view.currentPage(), move.page);
            EXPECT_EQ(pageBox->value(), move.page);
            EXPECT_TRUE(inView(view, move.page)) << "page " << move.page << " is not on the screen";
        }
        EXPECT_EQ(pageBox, QApplication::focusWidget()) << "Alt+A did not go to the page number";
        EXPECT_LE(view.cache().pagesPainted(), 16) << "pages were painted that were not shown";
        EXPECT_LE(view.cache().pagesHeld(), 12) << "the preview keeps every page it showed";

        // Whole Page, from the zoom list, shows all of the page.
        key(dialog, Qt::Key_Z, Qt::AltModifier); // "&Zoom:"
        key(*zoom, Qt::Key_Home);
        key(*zoom, Qt::Key_Down);
        EXPECT_EQ(zoom->currentText(), QStringLiteral("Whole Page"));
        EXPECT_TRUE(view.viewport()->rect().contains(view.pageRect(500)))
            << "Whole Page does not show the whole page";
        EXPECT_EQ(view.currentPage(), 500) << "zooming lost the page";
        screenshot(dialog, QStringLiteral("report-preview-whole-page"));

        // Print from the preview: it closes and File > Print prints.
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("previewPrint")), Qt::LeftButton);
    });
    EXPECT_EQ(offeredPages, kCircuits) << "Print from the preview did not go through File > Print";
    ASSERT_TRUE(QFile::exists(pdf));

    // What the preview showed of page 1 is what the printed page 1 shows, and
    // not what page 2 shows. On a high-density screen the picture has more
    // pixels than the sheet's logical size.
    const qreal ratio = shownFirstPage.devicePixelRatio();
    const QSize pixels = (QSizeF(sheetSize) * ratio).toSize();
    const QRect part(QPoint(qRound(shownPart.x() * ratio), qRound(shownPart.y() * ratio)),
                     shownFirstPage.size());
    const QImage printedFirst = pdfPage(pdf, 1, pixels, path("printed-1")).copy(part);
    const QImage printedSecond = pdfPage(pdf, 2, pixels, path("printed-2")).copy(part);
    ASSERT_EQ(printedFirst.size(), shownFirstPage.size());
    const int same = inkDifference(shownFirstPage, printedFirst);
    const int other = inkDifference(shownFirstPage, printedSecond);
    EXPECT_LT(same, 30) << "the preview's page 1 differs from the printed page 1";
    EXPECT_GT(other, 100) << "the comparison cannot tell page 1 from page 2";

    // The Summary's pages in the preview are the pages Print offers.
    trigger(ViewSummary);
    int summaryPages = 0;
    preview([&](ReportPreviewDialog& dialog) { summaryPages = dialog.pages().pageCount(); });
    trigger(Print);
    EXPECT_GE(summaryPages, kLinks) << "every link starts a page of its own";
    EXPECT_EQ(summaryPages, offeredPages);
}
