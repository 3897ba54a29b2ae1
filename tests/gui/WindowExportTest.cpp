#include "WindowFixture.h"

#include "gui/CommandIds.h"
#include "gui/LinkChartPanel.h"
#include "report/LinkChartPainter.h"
#include "support/TestDatabaseBuilder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

namespace {

class WindowExportTest : public WindowTest
{
protected:
    // Link A: circuits 1 and 3 pass at 850 nm, 2 fails; Link B: B1 fails,
    // B2 passes (allowed loss 9.30 dB, reference -20 dBm).
    QString makeLinks()
    {
        const QString file = path("links.mdb");
        TestDatabaseBuilder builder(file);
        TestDatabaseBuilder::Site a;
        a.company = builder.addCompany("North Co");
        const RecordId siteA = builder.addSite(a);
        TestDatabaseBuilder::Site b;
        b.name = "Link B";
        b.company = a.company;
        const RecordId siteB = builder.addSite(b);
        builder.addFiber(siteA, "1", 0, {-25.0f, 0, 0, 0, 0});
        builder.addFiber(siteA, "2", 0, {-30.5f, 0, 0, 0, 0});
        builder.addFiber(siteA, "3", 0, {-24.0f, 0, 0, 0, 0});
        builder.addFiber(siteB, "B1", 0, {-31.0f, 0, 0, 0, 0});
        builder.addFiber(siteB, "B2", 0, {-26.0f, 0, 0, 0, 0});
        return file;
    }

    // The action of File > Export > `name`, reached through the menu bar.
    QAction* exportAction(const QString& name)
    {
        QMenu* file = frame_->menuBar()->actions().constFirst()->menu();
        for (QAction* item : file->actions()) {
            if (item->menu() && item->menu()->objectName() == "menuExport") {
                for (QAction* command : item->menu()->actions()) {
                    if (command->objectName() == name)
                        return command;
                }
            }
        }
        return nullptr;
    }

    // Answers the export dialog when it shows: clicks the buttons named, then OK.
    void answerExportDialog(const QStringList& buttons)
    {
        QTimer::singleShot(0, [this, buttons] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            ASSERT_EQ(dialog->objectName(), "reportExportDialog");
            for (const QString& name : buttons) {
                QAbstractButton* button = dialog->findChild<QAbstractButton*>(name);
                ASSERT_NE(button, nullptr) << name.toStdString();
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
            }
            screenshot(*dialog, "export-pdf-dialog");
            auto* box = dialog->findChild<QDialogButtonBox*>();
            QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
    }

    static int pageCount(const QString& pdf)
    {
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
        pdfinfo.waitForFinished(30000);
        const QRegularExpressionMatch match =
            QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }
};

} // namespace

TEST_F(WindowExportTest, ExportsAPdfReportAndCsvOfAChosenPartThroughTheMenus)
{
    ASSERT_TRUE(frame_->openFile(makeLinks()));
    trigger(CommandIds::ViewDetails);
    QAction* exportPdf = exportAction("exportPdfReport");
    ASSERT_NE(exportPdf, nullptr);
    ASSERT_TRUE(exportPdf->isEnabled());

    // Details of the failing circuits: one page each, no other circuit in it.
    filesToExport_ << path("failing.pdf");
    answerExportDialog({"exportFailing"});
    exportPdf->trigger();
    ASSERT_TRUE(QFile::exists(path("failing.pdf")));
    EXPECT_EQ(pageCount(path("failing.pdf")), 2);
    const QString text = pdfText(path("failing.pdf"));
    QStringList ids;
    for (const auto& match : QRegularExpression("Circuit ID:\\s+(\\S+)").globalMatch(text))
        ids << match.captured(1);
    EXPECT_EQ(ids, QStringList({"2", "B1"}));

    // The summary of the current link with its chart page, the second link moved to.
    view().moveTo(3);
    filesToExport_ << path("link.pdf");
    answerExportDialog({"exportSummary", "exportCharts", "exportCurrentLink"});
    exportPdf->trigger();
    EXPECT_EQ(pageCount(path("link.pdf")), 2);
    const QString summary = pdfText(path("link.pdf"));
    EXPECT_TRUE(summary.contains("Link Chart"));
    EXPECT_TRUE(summary.contains(QRegularExpression("B1 +Fail")));
    EXPECT_FALSE(summary.contains("Link A"));

    // The CSV rows of the failing circuits of the working copy.
    filesToExport_ << path("failing.csv");
    answerExportDialog({"exportFailing"});
    exportAction("exportCsv")->trigger();
    QFile csv(path("failing.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    QStringList rows = QString::fromUtf8(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_TRUE(rows.at(1).startsWith("Link A,2,") && rows.at(1).endsWith(",Fail"))
        << rows.at(1).toStdString();
    EXPECT_TRUE(rows.at(2).startsWith("Link B,B1,") && rows.at(2).endsWith(",Fail"))
        << rows.at(2).toStdString();

    // Cancelled at the file dialog: nothing is written.
    answerExportDialog({});
    exportPdf->trigger();
    EXPECT_FALSE(QFile::exists(path("cancelled.pdf")));
}

TEST_F(WindowExportTest, TheChartPanelFollowsTheCurrentLinkAndItsEdits)
{
    ASSERT_TRUE(frame_->openFile(makeLinks()));
    trigger(CommandIds::ViewDetails); // one circuit at a time
    LinkChartPanel& panel = frame_->linkChartPanel();
    EXPECT_FALSE(panel.isVisible());
    QAction* toggle = frame_->findChild<QAction*>("viewLinkChart");
    ASSERT_NE(toggle, nullptr);
    toggle->trigger();
    ASSERT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.chart().linkId(), "Link A");
    EXPECT_EQ(panel.chart().circuitIds(), QStringList({"1", "2", "3"}));
    EXPECT_EQ(panel.marked(), 0);

    view().moveTo(4);
    EXPECT_EQ(panel.chart().linkId(), "Link B");
    EXPECT_EQ(panel.marked(), 1);

    ASSERT_TRUE(document().setLink(4, "Link C", QString()).ok());
    EXPECT_EQ(panel.chart().linkId(), "Link C");

    view().moveTo(1);
    EXPECT_EQ(panel.marked(), 1);
    QCoreApplication::processEvents();
    // The failing circuit 2's hatched bar is on the screen.
    const QImage picture = panel.grab().toImage();
    screenshot(panel, "link-chart-panel");
    screenshot(*frame_, "window-link-chart");
    bool failShown = false;
    for (int y = 0; y < picture.height() && !failShown; ++y) {
        for (int x = 0; x < picture.width() && !failShown; ++x)
            failShown = (picture.pixel(x, y) & 0xffffff) == LinkChartPainter::kFailColour;
    }
    EXPECT_TRUE(failShown);

    ASSERT_TRUE(document().deleteCircuit(1).ok());
    EXPECT_EQ(panel.chart().circuitIds(), QStringList({"1", "3"}));
}

TEST_F(WindowExportTest, ThePrintDialogOffersTheChoiceOfCircuits)
{
    ASSERT_TRUE(frame_->openFile(makeLinks()));
    trigger(CommandIds::ViewDetails);
    // The print dialog itself, printing into a PDF file as it offers to.
    frame_->printer().setOutputFormat(QPrinter::PdfFormat);
    frame_->printer().setOutputFileName(path("printed.pdf"));
    bool tabShown = false;
    // The pages are laid out off the window's thread before the dialog
    // shows: wait for the print dialog itself.
    QTimer waitForDialog;
    waitForDialog.setInterval(10);
    QObject::connect(&waitForDialog, &QTimer::timeout, [this, &tabShown, &waitForDialog] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        waitForDialog.stop();
        QWidget* tab = dialog->findChild<QWidget*>("printCircuitChoice");
        ASSERT_NE(tab, nullptr);
        tabShown = true;
        screenshot(*dialog, "print-dialog");
        auto* failing = tab->findChild<QRadioButton*>("exportFailing");
        failing->setChecked(true);
        EXPECT_FALSE(tab->findChild<QCheckBox*>("exportCharts")->isEnabled()) << "no charts with details";
        dialog->accept();
    });
    waitForDialog.start();
    trigger(CommandIds::Print);
    ASSERT_TRUE(tabShown);
    EXPECT_EQ(pageCount(path("printed.pdf")), 2);
    QStringList ids;
    for (const auto& match :
         QRegularExpression("Circuit ID:\\s+(\\S+)").globalMatch(pdfText(path("printed.pdf"))))
        ids << match.captured(1);
    EXPECT_EQ(ids, QStringList({"2", "B1"}));
}
