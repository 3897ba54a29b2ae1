// The window's long jobs: opening, saving, storing and printing behind a
// progress dialog with Cancel, printing through the printer, and the
// Download command from a meter on a pseudo-terminal.
#include "WindowFixture.h"

#include "MeterSimProcess.h"
#include "WizardDriver.h"
#include "gui/CommandIds.h"
#include "meter/DevicePortOpener.h"
#include "meter/SerialPortList.h"
#include "meter/SerialPortPaths.h"
#include "wizards/CLinkWizard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <optional>

#include <QPrinter>

#include "database/DatabaseFileWriter.h"
#include "document/DownloadImporter.h"
#include "gui/ReportPageView.h"
#include "gui/ReportPreviewDialog.h"
#include "support/LocaleGuard.h"
#include "support/Schema1Builder.h"
#include "support/TestDatabaseBuilder.h"

#include <QLabel>
#include <QToolButton>

using namespace CommandIds;

namespace {

// The Download command against a simulated meter on a real serial line.
class WindowDownloadTest : public WindowTest
{
protected:
    // `portTable`: COM1's device is the simulator's unless told otherwise.
    void startWith(const QStringList& simulator, const std::optional<QString>& portTable = std::nullopt)
    {
        sim_ = std::make_unique<MeterSimProcess>(simulator);
        ASSERT_FALSE(sim_->path().isEmpty());
        realPorts_ =
            std::make_unique<DevicePortOpener>(SerialPortPaths::fromList(portTable.value_or(sim_->path())));
        makeDownloadFrame();
    }

    void makeDownloadFrame()
    {
        frame_.reset();
        FrameServices services;
        services.prompt = &prompt_;
        services.ports = realPorts_.get();
        services.portList = portList_.get();
        services.settings = settings_.get();
        frame_ = std::make_unique<CMainFrame>(services);
        frame_->show();
    }

    // This computer as sysfs and /dev would show it with the simulator's
    // line behind a USB serial adapter: ttyUSB0 and its by-id name.
    QString fakeAdapter()
    {
        const QString sys = path("sys");
        const QString device = "devices/pci0000:00/usb1/1-2";
        const QString entry = device + "/1-2:1.0/ttyUSB0/tty/ttyUSB0";
        QDir().mkpath(sys + "/" + entry);
        for (const auto& [name, value] :
             {std::pair{"idVendor", "0403"}, std::pair{"product", "Pendra Cable"}}) {
            QFile attribute(sys + "/" + device + "/" + name);
            attribute.open(QIODevice::WriteOnly);
            attribute.write(QByteArray(value) + "\n");
        }
        QFile::link("../../../ttyUSB0", sys + "/" + entry + "/device");
        QDir().mkpath(sys + "/class/tty");
        QFile::link("../../" + entry, sys + "/class/tty/ttyUSB0");
        const QString dev = path("dev");
        QDir().mkpath(dev + "/serial/by-id");
        QFile::link(sim_->path(), dev + "/ttyUSB0");
        const QString byId = dev + "/serial/by-id/usb-Halvard_Pendra_Cable-if00-port0";
        QFile::link("../../ttyUSB0", byId);
        portList_ = std::make_unique<SerialPortList>(sys, dev);
        return byId;
    }

    // Opens File > Serial Port..., lets `act` play the user in it, and
    // gives the texts the list showed with the one chosen at first.
    QStringList chooseSerialPort(const QString& picture,
                                 const std::function<void(QListWidget&, QDialog&)>& act)
    {
        QStringList shown;
        QTimer::singleShot(0, qApp, [&, picture] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* list = dialog ? dialog->findChild<QListWidget*>("serialPorts") : nullptr;
            if (!list) {
                ADD_FAILURE() << "no serial port dialog";
                if (dialog)
                    dialog->reject();
                return;
            }
            for (int i = 0; i < list->count(); ++i)
                shown << list->item(i)->text();
            shown << "chosen: " + list->currentItem()->text();
            screenshot(*dialog, picture);
            act(*list, *dialog);
        });
        trigger(SerialPort);
        return shown;
    }

    std::unique_ptr<SerialPortList> portList_;

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

// Presses Cancel in each progress dialog whose text starts with `label`, as
// soon as it shows, as a user does who changed his mind.
class CancelPresser
{
public:
    explicit CancelPresser(const QString& label) : label_(label)
    {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, [this] { pressWhereShown(); });
        timer_.start();
    }

    int pressed() const { return pressed_; }

private:
    void pressWhereShown()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QProgressDialog*>(widget);
            if (!dialog || !dialog->isVisible() || !dialog->labelText().startsWith(label_) ||
                dialog->property("cancelPressed").toBool())
                continue;
            if (auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("c2"))) {
                QTest::mouseClick(cancel, Qt::LeftButton);
                dialog->setProperty("cancelPressed", true);
                ++pressed_;
            }
        }
    }

    QString label_;
    QTimer timer_;
    int pressed_ = 0;
};

// A download of one link with `fibers` fibers measured at two wavelengths.
QByteArray largeDownload(int fibers)
{
    QByteArray text = "'Big Cabling','555','SN:P7','2.10','01/02/07'\r\n'C',0,'',0,0,0,0,0,0\r\n"
                      "'C',0,'',0,0,0,0,0,0\r\n'C',1,'',0,0,0,0,0,0\r\n'C',1,'',0,0,0,0,0,0\r\n"
                      "1,'BIG LINK','01/02/07',900,2,0,21,3,2,-18.00,-19.00\r\n\r\n"
                      "1,0,'BIG LINK','01/02/07','850nm','1300nm'\r\n";
    for (int f = 1; f <= fibers; ++f)
        text += "'" + QByteArray::number(f) + "',-21.50,-20.40\r\n";
    return text + "\r\n";
}

} // namespace

// Opening, storing, saving and printing run behind a progress dialog; its
// Cancel leaves the file and the document as they were, and is said in the
// status bar, not as an error.
TEST_F(WindowTest, CancelDuringEachLongJobLeavesTheFileAndTheDocumentAsTheyWere)
{
    constexpr int kFibers = 20000;
    const QByteArray download = largeDownload(kFibers);
    const QString bigKav = path("big.kav");
    writeFile(bigKav, download);
    const QString big = path("big.mdb");
    ASSERT_TRUE(DownloadImporter::importFile(bigKav, big).stored());
    const QString small = path("small.mdb");
    ASSERT_TRUE(DownloadImporter::importFile(sample("lintel-v2_5.kav"), small).stored());
    const QString target = path("target.mdb");
    QFile::copy(small, target);
    const QString old = path("old.mdb");
    {
        Schema1Builder v1(old);
        const RecordId company = v1.addCompany("Old Meter Co", "1.30");
        v1.addFiber(v1.addSite(company, "Riser", 0x01, 1000.0f, 2, 1, -25.6f, 0, 0), "01", 0, -30.0f, 0, 0);
    }
    ScriptedMeter meter;
    meter.answer = {LineEvent::data("PN2031")};
    meter.download = {LineEvent::data(download)};
    ports_.meters[1] = meter;
    choosePrinter_ = [&](QPrinter& printer, int) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("printed.pdf"));
        return true;
    };
    // The dialog shows at once, so that Cancel is in reach however fast the machine is.
    jobDialogDelayMs_ = 0;
    makeFrame();

    const QString cancelled = "Cancelled; nothing was changed.";
    const QString saveCancelled = QStringLiteral("The save was cancelled; %1 is unchanged.").arg(target);
    // Another program saving the target keeps this one waiting until the user cancels.
    std::unique_ptr<DatabaseFileWriter> otherSaver;
    const struct
    {
        const char* job;
        const char* dialogText; // of the dialog whose Cancel is pressed
        QString documentPath;   // what the window shows before
        bool modified;
        std::function<void()> run;
        QString status; // the status text after
    } jobs[] = {
        {"File > Open", "Opening big.mdb", small, false, [&] { filesToOpen_ << big, trigger(FileOpen); },
         cancelled},
        {"File > Open of a download", "Storing the download", small, false,
         [&] { filesToOpen_ << bigKav, trigger(FileOpen); }, cancelled},
        {"File > Open with a conversion", "Converting old.mdb", small, false,
         [&] {
             prompt_.addAnswer(PromptAnswer::Yes);
             filesToOpen_ << old, trigger(FileOpen);
         },
         cancelled},
        {"Download", "Storing the download", small, false, [&] { trigger(Download); },
         cancelled + " The downloaded data are kept in "},
        {"Save As over another program's save", "Saving target.mdb", small, true,
         [&] {
             otherSaver = std::make_unique<DatabaseFileWriter>(target);
             QString why;
             ASSERT_TRUE(otherSaver->prepare(&why)) << why.toStdString();
             prompt_.addSaveFileName(target);
             prompt_.addAnswer(PromptAnswer::Overwrite);
             trigger(FileSaveAs);
             otherSaver.reset();
         },
         saveCancelled},
        // A merge of these few thousand circuits may end before any dialog
        // could show: it, too, waits for another program's save.
        {"Save As with a merge", "Saving target.mdb", big, true,
         [&] {
             otherSaver = std::make_unique<DatabaseFileWriter>(target);
             QString why;
             ASSERT_TRUE(otherSaver->prepare(&why)) << why.toStdString();
             prompt_.addSaveFileName(target);
             prompt_.addAnswer(PromptAnswer::Merge);
             trigger(FileSaveAs);
             otherSaver.reset();
         },
         saveCancelled},
        {"Print", "Printing page", big, false,
         [&] {
             trigger(ViewDetails);
             trigger(Print);
         },
         "Printing was stopped after "},
    };
    for (const auto& job : jobs) {
        SCOPED_TRACE(job.job);
        ASSERT_TRUE(frame_->openFile(job.documentPath));
        document().setModifiedFlag(job.modified);
        const int circuits = document().circuits().count();
        const QString working = document().workingPath();
        const QByteArray targetBefore = fileBytes(target);
        const QByteArray oldBefore = fileBytes(old);
        const qsizetype said = prompt_.exchanges().size();
        {
            CancelPresser presser(QLatin1String(job.dialogText));
            job.run();
            EXPECT_EQ(presser.pressed(), 1) << "the dialog was up while the job ran";
        }
        EXPECT_EQ(document().pathName(), QFileInfo(job.documentPath).absoluteFilePath());
        EXPECT_EQ(document().circuits().count(), circuits);
        EXPECT_EQ(document().workingPath(), working);
        EXPECT_EQ(document().isModified(), job.modified);
        // No working copy but the document's is left (a download's data are kept, and say where).
        EXPECT_EQ(QDir(temp_.path()).entryList({"*.mdb"}, QDir::Files),
                  QStringList{QFileInfo(working).fileName()});
        EXPECT_EQ(fileBytes(target), targetBefore) << "byte for byte";
        EXPECT_EQ(fileBytes(old), oldBefore);
        EXPECT_FALSE(QFile::exists(old + ".backup"));
        for (qsizetype i = said; i < prompt_.exchanges().size(); ++i)
            EXPECT_NE(prompt_.exchanges().at(i).kind, "message")
                << prompt_.exchanges().at(i).text.toStdString();
        QCoreApplication::processEvents(); // status texts from the worker
        EXPECT_TRUE(frame_->statusPanes().messageText().startsWith(job.status))
            << frame_->statusPanes().messageText().toStdString();
    }
}

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

    // File > Print Preview shows the same pages, laid out for the window's printer.
    int previewPages = 0;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview)
            return;
        previewPages = preview->pages().pageCount();
        screenshot(*preview, QStringLiteral("print-preview"));
        preview->reject();
    });
    trigger(PrintPreview);
    EXPECT_EQ(previewPages, 19);
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

// File > Serial Port... offers Automatic and this computer's ports; the one
// chosen is kept in the settings and is where Download asks, with no search;
// a kept port that is gone is shown as missing and Download says it is gone.
TEST_F(WindowDownloadTest, ThePortChosenInFileSerialPortIsTheOneDownloadUses)
{
    // No port table: the automatic search cannot reach the simulator.
    startWith({"--fast", "--id", "PX20731", "--file", sample("pendra-v2_10.kav")}, QString(","));
    const QString byId = fakeAdapter();
    makeDownloadFrame();
    const QString automatic = "Automatic (search COM1 to COM20)";
    const QString adapter = byId + " (Pendra Cable) - " + path("dev") + "/ttyUSB0";
    EXPECT_EQ(chooseSerialPort("serial-port",
                               [](QListWidget& list, QDialog& dialog) {
                                   list.setCurrentRow(1);
                                   dialog.accept();
                               }),
              QStringList({automatic, adapter, "chosen: " + automatic}));
    EXPECT_EQ(settings_->value("Meter/Port").toString(), byId);
    trigger(Download);
    EXPECT_EQ(document().circuits().count(), 19);
    EXPECT_TRUE(prompt_.exchanges().isEmpty()) << prompt_.texts().join('\n').toStdString();

    // The choice is the window's next time too; the adapter unplugged, it is missing.
    QFile::remove(path("dev") + "/ttyUSB0");
    document().setModifiedFlag(false);
    makeDownloadFrame();
    EXPECT_EQ(chooseSerialPort("serial-port-missing", [](QListWidget&, QDialog& dialog) { dialog.reject(); }),
              QStringList({automatic, byId + " (missing)", "chosen: " + byId + " (missing)"}));
    trigger(Download);
    ASSERT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_EQ(prompt_.exchanges()[0].kind, "message");
    EXPECT_EQ(prompt_.exchanges()[0].text, "Could not get data from device: " + byId + ": no such file");
    EXPECT_FALSE(document().hasDatabase());
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
    const QStringList kept = QDir(temp_.downloads()).entryList({"_kavcurrent*-incomplete.kav"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1) << temp_.files().join(' ').toStdString();
    const QString message = "The download is incomplete: its data end in the middle of a record. Nothing was "
                            "stored; the data are kept in " +
                            QDir(temp_.downloads()).filePath(kept.first()) + ".";
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
