// screenshot FILE.mdb FOLDER
//
// Opens a test database in the Fibrolog window and saves pictures of it as
// PNG files in FOLDER: window.png (the Summary page of a failing circuit
// beside the circuit browser), circuit-browser.png (the browser keeping the failing
// circuits), loss-wizard.png (the Loss Wizard's result for a planned link,
// the sample's first link) and
// print-preview.png (the detail report's preview). Run it on Qt's offscreen
// platform: every size, the font, the style, the locale and the settings are
// fixed here, so the same file gives the same pictures on any machine with
// the Liberation fonts.
#include "document/CFibrologDoc.h"
#include "gui/CMainFrame.h"
#include "gui/CommandIds.h"
#include "gui/ReportPreviewDialog.h"
#include "gui/browser/CircuitBrowser.h"
#include "wizards/CLossWizard.h"
#include "wizards/WizardPage.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QStyleFactory>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

bool save(QWidget& widget, const QDir& folder, const char* name)
{
    QApplication::processEvents(); // layouts settle before the picture
    const QString path = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!widget.grab().toImage().save(path)) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Waits, while events run, until `done` holds or ten seconds have passed.
bool waitFor(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 10000)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

// Runs `picture` on the modal dialog of type T the window opens next, then
// closes it; `open` opens it.
template <typename T>
bool grabModal(const std::function<void()>& open, const std::function<bool(T&)>& picture)
{
    bool taken = false;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        taken = picture(*dialog);
        dialog->reject();
    });
    poll.start();
    open();
    return taken;
}

template <typename T>
T* onPage(const CLossWizard& wizard, const char* name)
{
    return wizard.currentPage()->findChild<T*>(QLatin1String(name));
}

// Fills the Loss Wizard's pages as a user does, with the keys and clicks of
// Qt Test, up to its result: the first link of the sample, planned.
bool planSampleLink(CLossWizard& wizard)
{
    const auto choose = [](QComboBox* combo, const QString& text) {
        if (!combo || combo->findText(text) < 0)
            return false;
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < combo->count() && combo->currentText() != text; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        return combo->currentText() == text;
    };
    const auto type = [](QLineEdit* edit, const QString& text) {
        if (!edit)
            return false;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        return true;
    };
    const auto next = [&wizard] { QTest::mouseClick(wizard.nextButton(), Qt::LeftButton); };
    if (!choose(onPage<QComboBox>(wizard, "c1149"), QStringLiteral("EIA/TIA 568-A / CAN-T529")))
        return false;
    next();
    if (!choose(onPage<QComboBox>(wizard, "c1152"), QStringLiteral("62.5uM MM")))
        return false;
    next();
    auto* kilometres = onPage<QAbstractButton>(wizard, "c1172");
    if (!kilometres)
        return false;
    kilometres->click();
    if (!type(onPage<QLineEdit>(wizard, "c1055"), QStringLiteral("0.32")))
        return false;
    next();
    if (!type(onPage<QLineEdit>(wizard, "c1153"), QStringLiteral("2")) ||
        !type(onPage<QLineEdit>(wizard, "c1057"), QStringLiteral("0")))
        return false;
    next();
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshot FILE.mdb FOLDER\n");
        return 2;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    QApplication::setPalette(QApplication::style()->standardPalette());
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.exists()) {
        std::fprintf(stderr, "screenshot: no folder %s\n", argv[2]);
        return 2;
    }

    // Settings of its own: the pictures never show the user's logo or recent files.
    QTemporaryDir settingsFolder;
    QSettings settings(settingsFolder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    FrameServices services;
    services.settings = &settings;
    CMainFrame frame(services);
    frame.resize(1280, 800);
    frame.show();
    if (!frame.openFile(QString::fromLocal8Bit(argv[1])) ||
        !waitFor([&] { return frame.circuitBrowser().isFilled(); })) {
        std::fprintf(stderr, "screenshot: cannot show %s\n", argv[1]);
        return 1;
    }

    // The failing circuits in the browser, wide enough for its verdict
    // columns; the page of the first of them in Summary, as Pass/Fail.
    CircuitBrowser& browser = frame.circuitBrowser();
    auto* dock = qobject_cast<QDockWidget*>(browser.parentWidget());
    if (dock)
        frame.resizeDocks({dock}, {560}, Qt::Horizontal);
    QComboBox& verdicts = *browser.verdictFilter();
    verdicts.setCurrentIndex(1);
    frame.command(CommandIds::ViewSummary)->trigger();
    frame.command(CommandIds::PassFail)->trigger();
    QTableView& table = *browser.table();
    if (table.model()->rowCount() == 0) {
        std::fprintf(stderr, "screenshot: %s has no failing circuit to show\n", argv[1]);
        return 1;
    }
    table.setFocus();
    table.selectRow(0);
    bool ok = save(frame, folder, "window");

    QWidget& browserPicture = dock ? static_cast<QWidget&>(*dock) : static_cast<QWidget&>(browser);
    ok = save(browserPicture, folder, "circuit-browser") && ok;

    ok = grabModal<CLossWizard>([&] { frame.command(CommandIds::LossWizard)->trigger(); },
                                [&](CLossWizard& wizard) {
                                    wizard.resize(640, 460);
                                    if (!planSampleLink(wizard)) {
                                        std::fprintf(stderr,
                                                     "screenshot: the Loss Wizard's pages have changed\n");
                                        return false;
                                    }
                                    return save(wizard, folder, "loss-wizard");
                                }) &&
         ok;
    ok = grabModal<ReportPreviewDialog>([&] { frame.command(CommandIds::PrintPreview)->trigger(); },
                                        [&](ReportPreviewDialog& preview) {
                                            preview.resize(900, 760);
                                            return save(preview, folder, "print-preview");
                                        }) &&
         ok;
    frame.document().setModifiedFlag(false);
    return ok ? 0 : 1;
}
