// The window's long jobs: printing through the printer, and the Download
// command from a meter on a pseudo-terminal, with its progress dialog.
#include "WindowFixture.h"

#include "MeterSimProcess.h"
#include "WizardDriver.h"
#include "gui/CommandIds.h"
#include "meter/DevicePortOpener.h"
#include "meter/SerialPortPaths.h"
#include "wizards/CLinkWizard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <QPrintPreviewWidget>
#include <QPrinter>

#include "report/LogoSource.h"
#include "report/PagedReport.h"
#include "report/ReportPrinter.h"
#include "support/LocaleGuard.h"
#include "support/TestDatabaseBuilder.h"

#include <QLabel>
#include <QToolButton>

using namespace CommandIds;

namespace {

// The Download command against a simulated meter on a real serial line.
class WindowDownloadTest : public WindowTest
{
protected:
    void startWith(const QStringList& simulator)
    {
        sim_ = std::make_unique<MeterSimProcess>(simulator);
        ASSERT_FALSE(sim_->path().isEmpty());
        realPorts_ = std::make_unique<DevicePortOpener>(SerialPortPaths::fromList(sim_->path()));
        frame_.reset();
        FrameServices services;
        services.prompt = &prompt_;
        services.ports = realPorts_.get();
        services.settings = settings_.get();
        frame_ = std::make_unique<CMainFrame>(services);
        frame_->show();
    }

    // Presses the progress dialog's Cancel once it is up (and takes its picture).
    void cancelWhenShown()
    {
        watcher_ = std::make_unique<QTimer>();
        watcher_->setInterval(100);
        QObject::connect(watcher_.get(), &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QProgressDialog*>(widget);
                if (!dialog || !dialog->isVisible() || pressedCancel_)
                    continue;
                screenshot(*dialog, QStringLiteral("download-progress"));
                if (auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("c2")))
                    QTest::mouseClick(cancel, Qt::LeftButton);
                pressedCancel_ = true;
                watcher_->stop();
            }
        });
        watcher_->start();
    }

    std::unique_ptr<QTimer> watcher_;

    bool pressedCancel_ = false;

    std::unique_ptr<MeterSimProcess> sim_;
    std::unique_ptr<DevicePortOpener> realPorts_;
};

} // namespace

TEST_F(WindowTest, PrintGoesThroughThePrinterOfTheCurrentLayout)
{
    ASSERT_TRUE(document().loadFile(sample("pendra-v2_10.kav")));
    const QString summaryPdf = path("summary.pdf");
    const QString detailsPdf = path("details.pdf");
    QString target = summaryPdf;
    int offeredPages = 0;
    frame_.reset();
    FrameServices services;
    services.prompt = &prompt_;
    services.ports = &ports_;
    services.settings = settings_.get();
    services.choosePrinter = [&](QPrinter& printer, int pages) {
        offeredPages = pages;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        return true;
    };
    frame_ = std::make_unique<CMainFrame>(services);
    ASSERT_TRUE(frame_->document().loadFile(sample("pendra-v2_10.kav")));

    trigger(Print);
    const QString summary = pdfText(summaryPdf);
    EXPECT_TRUE(summary.contains("Circuit Summary Report")) << summary.toStdString();
    EXPECT_GE(offeredPages, 7);

    trigger(ViewDetails);
    target = detailsPdf;
    trigger(Print);
    const QString details = pdfText(detailsPdf);
    EXPECT_TRUE(details.contains("Circuit Detail Report")) << details.left(400).toStdString();
    EXPECT_EQ(offeredPages, 19) << "one page per circuit";

    // What Print Preview shows: the same pages on the window's printer.
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewWidget preview(&printer);
    std::unique_ptr<PagedReport> report = view().makeReport();
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [&](QPrinter* device) {
        ReportPrinter::print(*report, *device, LogoSource(QString()));
    });
    preview.resize(700, 900);
    preview.show();
    preview.updatePreview();
    EXPECT_EQ(preview.pageCount(), 19);
    screenshot(preview, QStringLiteral("print-preview"));
}

// The page size of a PDF, as pdfinfo says it ("612 x 792 pts (letter)").
QString pdfPageSize(const QString& pdf)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
    pdfinfo.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(pdfinfo.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(QLatin1String("Page size:")))
            return line.mid(10).trimmed();
    }
    return QStringLiteral("<no page size of %1>").arg(pdf);
}

TEST_F(WindowTest, TheWindowPrintsOnThePaperTheCommandLinePrintsOnForTheLocale)
{
    const QString file = path("one.mdb");
    {
        TestDatabaseBuilder builder(file);
        TestDatabaseBuilder::Site site;
        site.company = builder.addCompany("Northwind Cabling");
        builder.addFiber(builder.addSite(site), "1", 0, {-25.0f, 0, 0, 0, 0});
    }
    const struct
    {
        const char* locale;
        const char* paper;
    } locales[] = {{"en_US", "(letter)"}, {"de_DE", "(A4)"}, {"en_CA", "(letter)"}, {"en_GB", "(A4)"}};
    for (const auto& [locale, paper] : locales) {
        const LocaleGuard guard(locale);
        const QString windowPdf = path(QStringLiteral("window-%1.pdf").arg(locale));
        choosePrinter_ = [&](QPrinter& printer, int) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(windowPdf);
            return true;
        };
        makeFrame();
        ASSERT_TRUE(frame_->openFile(file));
        trigger(Print);
        const QString cliPdf = path(QStringLiteral("cli-%1.pdf").arg(locale));
        QProcess cli;
        cli.start(QStringLiteral(FIBROLOG_CLI_PATH), {"--locale", locale, "print", file, cliPdf});
        ASSERT_TRUE(cli.waitForFinished(60000));
        ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        EXPECT_EQ(pdfPageSize(windowPdf), pdfPageSize(cliPdf)) << locale;
        EXPECT_TRUE(pdfPageSize(windowPdf).endsWith(paper))
            << locale << ": " << pdfPageSize(windowPdf).toStdString();
    }
}

TEST_F(WindowTest, WhatAnOpenedDataFileLeftOutStaysInANoticeUntilTheUserClosesIt)
{
    filesToOpen_ << sample("pendra-v2_20.kav");
    trigger(FileOpen);
    const QStringList omissions = document().importOmissions();
    ASSERT_FALSE(omissions.isEmpty()) << "the sample leaves readings out";
    ASSERT_EQ(notices().size(), 1);
    for (const QString& omission : omissions)
        EXPECT_TRUE(notices().first().contains(omission)) << omission.toStdString();
    // All of it in view, wrapped rather than cut off, also in a narrow window.
    const auto* label = frame_->findChild<QLabel*>(QStringLiteral("noticeText"));
    for (int width : {760, 420}) {
        frame_->resize(width, 720);
        QCoreApplication::processEvents();
        EXPECT_GE(label->height(), label->heightForWidth(label->width())) << width;
        EXPECT_LE(label->width(), width) << "no line runs past the window";
    }
    screenshot(*frame_, QStringLiteral("window-notice"));

    // Another file opened, another status text: the notice stays.
    prompt_.addAnswer(PromptAnswer::No);
    filesToOpen_ << sample("pendra-v2_10.kav");
    trigger(FileOpen);
    EXPECT_EQ(document().circuits().count(), 19);
    ASSERT_EQ(notices().size(), 1);
    QTest::mouseClick(frame_->findChild<QToolButton*>(QStringLiteral("noticeClose")), Qt::LeftButton);
    EXPECT_TRUE(notices().isEmpty());
}

TEST_F(WindowTest, ASharedStandardsFileThatCannotBeReadIsANoticeToldOnce)
{
    const QString shared = path("shareddata.mdb");
    writeFile(shared, "not a database");
    qputenv("FIBROLOG_SHARED_STANDARDS", QFile::encodeName(shared));
    makeFrame();
    qunsetenv("FIBROLOG_SHARED_STANDARDS");
    const QString problem = document().standardsProblem();
    ASSERT_TRUE(problem.contains(shared)) << problem.toStdString();
    EXPECT_EQ(notices(), QStringList{problem});
    EXPECT_EQ(frame_->statusPanes().messageText(), problem) << "the status bar says it too";

    qputenv("FIBROLOG_SHARED_STANDARDS", QFile::encodeName(shared));
    ASSERT_TRUE(frame_->openFile(sample("pendra-v2_10.kav")));
    qunsetenv("FIBROLOG_SHARED_STANDARDS");
    EXPECT_EQ(document().standardsProblem(), problem) << "read again with the file";
    EXPECT_EQ(notices(), QStringList{problem}) << "not told twice";

    // Mended (here: gone), the file is no problem at the next open, and the notice goes.
    QFile::remove(shared);
    qputenv("FIBROLOG_SHARED_STANDARDS", QFile::encodeName(shared));
    ASSERT_TRUE(frame_->openFile(sample("pendra-v2_10.kav")));
    qunsetenv("FIBROLOG_SHARED_STANDARDS");
    EXPECT_TRUE(notices().isEmpty()) << notices().join('\n').toStdString();
}

TEST_F(WindowDownloadTest, ADownloadFromTheMeterIsStoredAndShown)
{
    startWith({"--fast", "--id", "PX20731", "--file", sample("pendra-v2_10.kav")});
    trigger(Download);
    EXPECT_EQ(document().circuits().count(), 19);
    EXPECT_EQ(record(), "Record 1 of 19");
    EXPECT_EQ(frame_->statusPanes().messageText(), "Download successful");
    EXPECT_TRUE(frame_->isWindowModified());
}

TEST_F(WindowDownloadTest, WhatADownloadLeftOutIsANoticeInFullBesideTheStatusText)
{
    startWith({"--fast", "--id", "PX20731", "--file", sample("pendra-v2_20.kav")});
    trigger(Download);
    ASSERT_GT(document().circuits().count(), 0);
    const QStringList omissions = document().importOmissions();
    ASSERT_FALSE(omissions.isEmpty());
    ASSERT_EQ(notices().size(), 1);
    for (const QString& omission : omissions)
        EXPECT_TRUE(notices().first().contains(omission)) << omission.toStdString();
    EXPECT_TRUE(frame_->statusPanes().messageText().startsWith("Download successful"))
        << frame_->statusPanes().messageText().toStdString();
}

TEST_F(WindowDownloadTest, CancelStopsTheTransferAndLeavesTheDocument)
{
    // The meter pauses long enough for the user to press Cancel.
    startWith({"--fast", "--id", "PX20731", "--file", sample("pendra-v2_10.kav"), "--pause-every", "100",
               "--pause-ms", "190"});
    cancelWhenShown();
    trigger(Download);
    EXPECT_TRUE(pressedCancel_) << "the dialog was up while the meter sent";
    EXPECT_FALSE(document().hasDatabase());
    EXPECT_TRUE(view().showsNoData());
    EXPECT_TRUE(temp_.files().isEmpty()) << temp_.files().join(' ').toStdString();
    QCoreApplication::processEvents(); // the status text comes from the worker
    EXPECT_EQ(frame_->statusPanes().messageText(), "Cancelled; nothing was changed.");
}

TEST_F(WindowDownloadTest, ATransferCutShortIsSaidWithTheFileThatKeepsItsBytes)
{
    // A pause longer than the silence that ends a transfer, inside a record:
    // the same answer as on the command line, from the same place.
    startWith({"--fast", "--id", "PX20731", "--file", sample("pendra-v2_10.kav"), "--pause-every", "200",
               "--pause-ms", "3000"});
    trigger(Download);
    QCoreApplication::processEvents(); // the status text comes from the worker
    const QStringList kept = QDir(temp_.path()).entryList({"_kavcurrent*-incomplete.kav"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1) << temp_.files().join(' ').toStdString();
    const QString message = "The download is incomplete: its data end in the middle of a record. Nothing was "
                            "stored; the data are kept in " +
                            QDir(temp_.path()).filePath(kept.first()) + ".";
    ASSERT_FALSE(prompt_.exchanges().isEmpty());
    EXPECT_EQ(prompt_.exchanges().last().text, message);
    EXPECT_EQ(frame_->statusPanes().messageText(), message);
    EXPECT_FALSE(document().hasDatabase());
    screenshot(*frame_, QStringLiteral("download-incomplete"));
}

TEST_F(WindowDownloadTest, ADownloadIntoAModifiedDocumentAsksToSaveFirst)
{
    startWith({"--fast", "--id", "PX20731", "--file", sample("lintel-v2_5.kav")});
    ASSERT_TRUE(document().loadFile(sample("pendra-v2_10.kav")));
    document().setModifiedFlag(true);
    prompt_.addAnswer(PromptAnswer::Cancel);
    trigger(Download);
    EXPECT_EQ(prompt_.exchanges().last().text, "The data has not yet been saved.  Save now?");
    EXPECT_EQ(document().circuits().count(), 19) << "Cancel leaves the unsaved circuits";
    prompt_.addAnswer(PromptAnswer::No);
    trigger(Download);
    EXPECT_EQ(document().circuits().count(), 7);
}

// A Corvina meter sends readings only: the Link Wizard asks for the link,
// offering the organisations of the file that is open.
TEST_F(WindowDownloadTest, ACorvinaDownloadIsStoredUnderTheLinkTheLinkWizardGives)
{
    startWith({"--fast", "--corvina"});
    ASSERT_TRUE(document().loadFile(sample("pendra-v2_10.kav")));
    document().setModifiedFlag(false);
    const QList<CompanyChoice> offered = document().companyChoices();
    ASSERT_FALSE(offered.isEmpty());

    QStringList companies;
    whenModalOpens<CLinkWizard>([&](CLinkWizard& wizard) {
        WizardDriver drive(wizard);
        drive.choose("c1149", "ANSI/EIA/TIA568B.3");
        drive.next();
        drive.choose("c1152", "62.5uM MM");
        drive.next();
        drive.click("c1171");
        drive.type("c1055", "120");
        drive.next();
        drive.type("c1153", "2");
        drive.next();
        for (int i = 0; i < drive.find<QComboBox>("c1154")->count(); ++i)
            companies.append(drive.find<QComboBox>("c1154")->itemText(i));
        drive.choose("c1154", offered.first().name);
        drive.next();
        drive.type("c1055", "Riser C");
        screenshot(wizard, QStringLiteral("link-wizard-name"));
        drive.finish();
    });
    trigger(Download);
    EXPECT_EQ(companies.size(), offered.size()) << "the open file's organisations are offered";
    EXPECT_EQ(frame_->statusPanes().messageText(), "Download successful");
    ASSERT_EQ(document().circuits().count(), 3) << prompt_.texts().join('\n').toStdString();
    EXPECT_EQ(record(), "Record 1 of 3");
    EXPECT_EQ(document().circuits().at(0).linkId, "Riser C");
    EXPECT_EQ(document().circuits().at(0).companyName, offered.first().name);
    EXPECT_TRUE(frame_->isWindowModified());
    screenshot(*frame_, QStringLiteral("window-corvina-download"));
}

TEST_F(WindowDownloadTest, CancellingTheLinkWizardStoresNothingOfTheCorvinaDownload)
{
    startWith({"--fast", "--corvina"});
    ASSERT_TRUE(document().loadFile(sample("pendra-v2_10.kav")));
    document().setModifiedFlag(false);
    whenModalOpens<CLinkWizard>([](CLinkWizard& wizard) { QTest::keyClick(&wizard, Qt::Key_Escape); });
    trigger(Download);
    EXPECT_EQ(document().circuits().count(), 19) << "the open file is as it was";
    EXPECT_FALSE(frame_->isWindowModified());
    EXPECT_TRUE(frame_->statusPanes().messageText().startsWith("Cancelled; nothing was changed."))
        << frame_->statusPanes().messageText().toStdString();
    EXPECT_TRUE(prompt_.exchanges().isEmpty()) << "the user's own Cancel needs no message box";
}

TEST_F(WindowDownloadTest, ACorvinaFileOpenedThatHoldsNoReadingsIsSaidAndChangesNothing)
{
    ASSERT_TRUE(document().loadFile(sample("pendra-v2_10.kav")));
    document().setModifiedFlag(false);
    writeFile(path("header-only.kavw"), "'CX30118','1.02','05/17/07'\n");
    filesToOpen_ << path("header-only.kavw");
    trigger(FileOpen);
    ASSERT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_TRUE(prompt_.texts().first().startsWith("No test data found in the download"))
        << prompt_.texts().first().toStdString();
    EXPECT_EQ(document().circuits().count(), 19);
}
