#include "gui/CMainFrame.h"

#include "app/ApplicationIdentity.h"
#include "app/FileNameBytes.h"
#include "app/LogCategories.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/SupportLog.h"
#include "app/ThreadBoundPrompt.h"
#include "database/CircuitFile.h"
#include "document/CFibrologDoc.h"
#include "document/CircuitCsvExport.h"
#include "document/EditHistory.h"
#include "gui/AboutDialog.h"
#include "gui/ApplicationIcon.h"
#include "gui/CFibrologView.h"
#include "gui/CommandIcons.h"
#include "gui/CommandIds.h"
#include "gui/DeleteConfirmation.h"
#include "gui/DeleteConfirmationDialog.h"
#include "gui/DialogPrompt.h"
#include "gui/FieldEditCommands.h"
#include "gui/FrameStatusBar.h"
#include "gui/GoToRecordDialog.h"
#include "gui/JobProgressDialog.h"
#include "gui/LinkChartPanel.h"
#include "gui/LogoPathRule.h"
#include "gui/LogoSettingsDialog.h"
#include "gui/ManualFiles.h"
#include "gui/NoticeArea.h"
#include "gui/ReportExportDialog.h"
#include "gui/ReportPreviewDialog.h"
#include "gui/SerialPortDialog.h"
#include "gui/VerdictColourChoice.h"
#include "gui/browser/CircuitBrowser.h"
#include "meter/DevicePortOpener.h"
#include "meter/MeterLink.h"
#include "meter/SerialPortList.h"
#include "report/CircuitChoice.h"
#include "report/CircuitDetailReport.h"
#include "report/CircuitSummaryReport.h"
#include "report/LogoSource.h"
#include "report/PageMetrics.h"
#include "report/PagedReport.h"
#include "report/PdfReportFile.h"
#include "report/ReportPrinter.h"
#include "wizards/CLossWizard.h"
#include "wizards/CStandardWizard.h"
#include "wizards/WizardLinkDataSource.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

using namespace CommandIds;

namespace {

constexpr int kRecentFileCount = 4;
const QString kRecentFilesKey = QStringLiteral("Recent File List/Files");
// The meter's serial port chosen in File > Serial Port; empty or absent: search.
const QString kMeterPortKey = QStringLiteral("Meter/Port");

// A command's prompt is "fly-by text\ntool tip"; a prompt without "\n" has no tool tip.
std::pair<QString, QString> splitPrompt(int id)
{
    const QString prompt = Strings::loadString(id);
    const qsizetype newline = prompt.indexOf(QLatin1Char('\n'));
    if (newline < 0)
        return {prompt, QString()};
    return {prompt.left(newline), prompt.mid(newline + 1)};
}

} // namespace

CMainFrame::CMainFrame(FrameServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services))
{
    setObjectName(QStringLiteral("CMainFrame"));
    // The installed icon, for task bars and window lists.
    setWindowIcon(applicationIcon());
    dialogs_ = std::make_unique<DialogPrompt>(this);
    prompt_ = services_.prompt ? services_.prompt : dialogs_.get();
    boundPrompt_ = std::make_unique<ThreadBoundPrompt>(*prompt_, this);
    statusPanes_ = new FrameStatusBar(*statusBar());
    boundStatus_ = std::make_unique<ThreadBoundStatus>(*statusPanes_, this);
    if (!services_.ports)
        ownPorts_ = std::make_unique<DevicePortOpener>();
    if (!services_.settings)
        ownSettings_ = std::make_unique<QSettings>(kOrganizationName, kApplicationName);
    settings_ = services_.settings ? services_.settings : ownSettings_.get();
    qCDebug(lcGui).noquote() << "Settings in" << settings_->fileName();
    qCDebug(lcGui).noquote() << "The log is" << SupportLog::path();
    document_ = std::make_unique<CFibrologDoc>(*boundPrompt_, *boundStatus_,
                                               services_.ports ? *services_.ports : *ownPorts_);
    document_->meterLink().chooseDevice(settings_->value(kMeterPortKey).toString());
    // Opening, saving and storing run on workers behind a progress dialog.
    jobs_ = std::make_unique<DialogJobRunner>(this);
    if (services_.jobDialogDelayMs >= 0)
        jobs_->setDialogDelay(services_.jobDialogDelayMs);
    document_->setJobRunner(jobs_.get());
    // A Corvina download asks for its link with the Link Wizard.
    linkDataSource_ = std::make_unique<WizardLinkDataSource>(document_->catalog(), *prompt_, this);
    document_->setLinkDataSource(linkDataSource_.get());
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The paper follows the locale, as "fibrolog-cli print" does: Letter in
    // the United States, A4 in Germany, whatever the printer's driver assumes.
    printer_->setPageSize(QPageSize(PdfReportFile::paperFor(QLocale())));
    logoPath_ = LogoPathRule::settle(*settings_);

    // The notices sit above the report view, where they cannot be missed.
    auto* centre = new QWidget(this);
    auto* centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(0);
    notices_ = new NoticeArea(centre);
    view_ = new CFibrologView(*document_, *boundPrompt_, *boundStatus_, centre);
    centreLayout->addWidget(notices_);
    centreLayout->addWidget(view_, 1);
    // A Yes given with "Do not ask me this again" stands for every later
    // Delete until the program ends.
    deleteConfirmation_ = std::make_unique<DeleteConfirmation>([this](const QString& question) {
        return services_.askDelete ? services_.askDelete(question)
                                   : DeleteConfirmationDialog::ask(this, question);
    });
    view_->setVerdictsInColour(VerdictColourChoice::stored(*settings_));
    view_->setDeleteQuestion(
        [this](const QString& question) { return deleteConfirmation_->confirm(question); });
    setCentralWidget(centre);
    buildCircuitBrowser();
    noticeStandardsProblem();
    buildCommands();
    buildMenus();
    buildToolbar();
    buildExportCommands();
    buildTeamServerCommands();

    connect(view_, &CFibrologView::stateChanged, this, &CMainFrame::updateCommands);
    connect(document_.get(), &CFibrologDoc::pathChanged, this, &CMainFrame::updateTitle);
    connect(document_.get(), &CFibrologDoc::modifiedChanged, this, &CMainFrame::updateTitle);
    updateTitle();
    updateCommands();
    // The keyboard starts outside the fields.
    view_->setFocus();
    resizeToScreen();
}

void CMainFrame::buildCircuitBrowser()
{
    browserDock_ = new QDockWidget(Strings::loadString(StringId::BrowserDockTitle), this);
    browserDock_->setObjectName(QStringLiteral("circuitBrowserDock"));
    browserDock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    browser_ = new CircuitBrowser(*document_, browserDock_);
    browserDock_->setWidget(browser_);
    addDockWidget(Qt::LeftDockWidgetArea, browserDock_);
    QAction* toggle = browserDock_->toggleViewAction();
    toggle->setObjectName(QStringLiteral("cmdCircuitBrowser"));
    toggle->setText(Strings::loadString(StringId::MenuCircuitBrowser));
    toggle->setStatusTip(Strings::loadString(StringId::PromptCircuitBrowser));
    connect(browser_, &CircuitBrowser::circuitChosen, view_, &CFibrologView::showCircuit);
}

void CMainFrame::resizeToScreen()
{
    // The size the window has always opened at, made smaller where the
    // screen is: a laptop, or a screen scaled to 200 %. What does not fit
    // then scrolls inside the window.
    // The report view's width, and the circuit browser's beside it.
    QSize size(760 + (browserDock_ ? 560 : 0), 720);
    if (const QScreen* shown = screen()) {
        // Room for the title bar and the borders the desktop adds.
        const QSize decorations(16, 48);
        size = size.boundedTo(shown->availableGeometry().size() - decorations);
    }
    resize(size.expandedTo(minimumSizeHint()));
}

CMainFrame::~CMainFrame()
{
    // The view follows the document: it goes first. Its fields give up the
    // focus as they go, and nothing may reach the view while it is torn down.
    disconnect(qApp, nullptr, this, nullptr);
    // The Edit commands follow the focus and read the document's history:
    // they go before either, so that no focus change reaches a history gone.
    delete std::exchange(fieldEdits_, nullptr);
    delete std::exchange(browserDock_, nullptr);
    delete std::exchange(chartPanel_, nullptr);
    delete std::exchange(view_, nullptr);
    document_.reset();
    linkDataSource_.reset();
    jobs_.reset();
}

QAction* CMainFrame::addCommand(int id, int menuTextId, const std::function<void()>& run)
{
    auto* action = new QAction(this);
    action->setObjectName(QStringLiteral("cmd%1").arg(id));
    action->setText(menuTextId ? Strings::loadString(menuTextId) : splitPrompt(id).second);
    const auto [flyBy, tip] = splitPrompt(id);
    action->setStatusTip(flyBy);
    if (!tip.isEmpty())
        action->setToolTip(tip);
    connect(action, &QAction::triggered, this, [run] { run(); });
    actions_.insert(id, action);
    return action;
}

void CMainFrame::buildCommands()
{
    using namespace StringId;
    addCommand(FileNew, MenuNew, [this] { fileNew(); })->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    addCommand(FileOpen, MenuOpen, [this] {
        fileOpen();
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    addCommand(FileSave, MenuSave, [this] {
        fileSave(false);
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    addCommand(FileSaveAs, MenuSaveAs, [this] { fileSave(true); });
    addCommand(ImportLogo, MenuImportLogo, [this] { importLogo(); });
    addCommand(Print, MenuPrint, [this] {
        printReport();
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    addCommand(PrintPreview, MenuPrintPreview, [this] { previewReport(); });
    addCommand(PrintSetup, MenuPrintSetup, [this] { printSetup(); });
    addCommand(Exit, MenuExit, [this] { close(); });

    addCommand(EditUndo, MenuUndo, [this] {
        undoOrRedo(false);
    })->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Z")), QKeySequence(QStringLiteral("Alt+Backspace"))});
    // Ctrl+Shift+Z everywhere, and the desktop's own Redo key (Ctrl+Y on some).
    QList<QKeySequence> redoKeys{QKeySequence(QStringLiteral("Ctrl+Shift+Z"))};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo)) {
        if (!redoKeys.contains(key))
            redoKeys << key;
    }
    addCommand(EditRedo, MenuRedo, [this] { undoOrRedo(true); })->setShortcuts(redoKeys);
    addCommand(EditCut, MenuCut, [this] {
        fieldEdits_->cut();
    })->setShortcuts({QKeySequence(QStringLiteral("Ctrl+X")), QKeySequence(QStringLiteral("Shift+Del"))});
    addCommand(EditCopy, MenuCopy, [this] {
        fieldEdits_->copy();
    })->setShortcuts({QKeySequence(QStringLiteral("Ctrl+C")), QKeySequence(QStringLiteral("Ctrl+Ins"))});
    addCommand(EditPaste, MenuPaste, [this] {
        fieldEdits_->paste();
    })->setShortcuts({QKeySequence(QStringLiteral("Ctrl+V")), QKeySequence(QStringLiteral("Shift+Ins"))});
    fieldEdits_ =
        new FieldEditCommands(*this,
                              {actions_.value(EditUndo), actions_.value(EditCut), actions_.value(EditCopy),
                               actions_.value(EditPaste), actions_.value(EditRedo)},
                              &document_->history());
    addCommand(EditDelete, MenuDelete, [this] {
        view_->deleteCurrent();
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+Del")));
    addCommand(Download, MenuDownload, [this] { download(); });
    addCommand(SerialPort, MenuSerialPort, [this] { chooseSerialPort(); });

    QAction* toolbar = addCommand(ViewToolbar, MenuToolbar, [] {});
    toolbar->setCheckable(true);
    QAction* status = addCommand(ViewStatusBar, MenuStatusBar, [] {});
    status->setCheckable(true);
    status->setChecked(true);
    connect(status, &QAction::toggled, statusBar(), &QWidget::setVisible);

    // Three groups of choices, each with one checked at a time.
    auto checkable = [this](QActionGroup* group, int id, int text, const std::function<void()>& run) {
        QAction* action = addCommand(id, text, run);
        action->setCheckable(true);
        group->addAction(action);
    };
    auto* layouts = new QActionGroup(this);
    checkable(layouts, ViewDetails, MenuDetails, [this] { view_->showDetails(); });
    checkable(layouts, ViewSummary, MenuSummary, [this] { view_->showSummary(); });
    auto* units = new QActionGroup(this);
    checkable(units, Meters, MenuMeters, [this] { view_->setLengthInKilometers(true); });
    checkable(units, Feet, MenuFeet, [this] { view_->setLengthInKilometers(false); });
    auto* modes = new QActionGroup(this);
    checkable(modes, PassFail, MenuPassFail, [this] { view_->setSummaryMode(SummaryMode::PassFail); });
    checkable(modes, CableMargin, MenuCableMargin,
              [this] { view_->setSummaryMode(SummaryMode::SystemOverhead); });
    checkable(modes, OpticalLoss, MenuOpticalLoss,
              [this] { view_->setSummaryMode(SummaryMode::OpticalLoss); });

    // Paging by the keys a long list pages by, shown in the Go menu.
    addCommand(First, MenuFirstRecord, [this] {
        view_->moveFirst();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));
    addCommand(Previous10, MenuPrevious10Records, [this] {
        view_->movePrevious10();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    addCommand(Previous, MenuPreviousRecord, [this] {
        view_->movePrevious();
    })->setShortcut(QKeySequence(Qt::Key_PageUp));
    addCommand(Next, MenuNextRecord, [this] {
        view_->moveNext();
    })->setShortcut(QKeySequence(Qt::Key_PageDown));
    addCommand(Next10, MenuNext10Records, [this] {
        view_->moveNext10();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    addCommand(Last, MenuLastRecord, [this] {
        view_->moveLast();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_End));
    addCommand(GoToRecord, MenuGoToRecord, [this] {
        goToRecord();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    addCommand(ViewDetailsToggle, 0, [this] { view_->toggleLayout(); })->setCheckable(true);
    addCommand(ViewSummaryToggle, 0, [this] { view_->toggleLayout(); })->setCheckable(true);

    addCommand(LossWizard, MenuLossWizard, [this] { runLossWizard(); });
    addCommand(StandardWizard, MenuStandardWizard, [this] { runStandardWizard(); });
    addCommand(About, MenuAbout, [this] { showAbout(); });
    addCommand(UserGuide, MenuUserGuide, [this] {
        openUserGuide();
    })->setShortcut(QKeySequence::HelpContents);
    // Ctrl+Shift+A belongs to the About box, which handles it while it is open.
    addCommand(ToggleAboutLine, 0, [] {})->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+A")));
    const std::array<std::pair<int, int>, 5> manuals = {{{ManualLintel, MenuManualLintel},
                                                         {ManualLintelOrl, MenuManualLintelOrl},
                                                         {ManualPendra, MenuManualPendra},
                                                         {ManualCorvina, MenuManualCorvina},
                                                         {ManualInvalidMargin, MenuManualInvalidMargin}}};
    for (const auto& [id, text] : manuals) {
        const int command = id;
        addCommand(command, text, [this, command] { openManual(command); });
    }

    for (QAction* action : std::as_const(actions_))
        addAction(action);
}

void CMainFrame::buildMenus()
{
    using namespace StringId;
    QMenu* file = menuBar()->addMenu(Strings::loadString(MenuFile));
    fileMenu_ = file;
    for (int id : {FileNew, FileOpen, FileSave, FileSaveAs, ImportLogo, Print, PrintPreview, PrintSetup})
        file->addAction(actions_.value(id));
    file->addSeparator();
    file->addAction(actions_.value(SerialPort));
    file->addSeparator();
    recentMenu_ = file->addMenu(Strings::loadString(MenuRecentFile));
    recentMenu_->setObjectName(QStringLiteral("recentFiles"));
    file->addSeparator();
    file->addAction(actions_.value(Exit));
    updateRecentFiles();

    QMenu* edit = menuBar()->addMenu(Strings::loadString(MenuEdit));
    for (int id : {EditUndo, EditRedo})
        edit->addAction(actions_.value(id));
    edit->addSeparator();
    for (int id : {EditCut, EditCopy, EditPaste, EditDelete})
        edit->addAction(actions_.value(id));

    // On the menu bar the command is a word, not the toolbar's picture.
    QAction* download = menuBar()->addAction(actions_.value(Download)->text());
    download->setObjectName(QStringLiteral("menuDownload"));
    download->setStatusTip(actions_.value(Download)->statusTip());
    connect(download, &QAction::triggered, actions_.value(Download), &QAction::trigger);

    QMenu* view = menuBar()->addMenu(Strings::loadString(MenuView));
    viewMenu_ = view;
    for (int id : {ViewToolbar, ViewStatusBar})
        view->addAction(actions_.value(id));
    view->addAction(browserDock_->toggleViewAction());
    view->addSeparator();
    for (int id : {ViewDetails, ViewSummary})
        view->addAction(actions_.value(id));
    view->addSeparator();
    for (int id : {Meters, Feet})
        view->addAction(actions_.value(id));
    view->addSeparator();
    for (int id : {PassFail, CableMargin, OpticalLoss})
        view->addAction(actions_.value(id));

    QMenu* go = menuBar()->addMenu(Strings::loadString(MenuGo));
    go->setObjectName(QStringLiteral("menuGo"));
    for (int id : {First, Previous10, Previous, Next, Next10, Last})
        go->addAction(actions_.value(id));
    go->addSeparator();
    go->addAction(actions_.value(GoToRecord));

    QMenu* wizards = menuBar()->addMenu(Strings::loadString(MenuWizards));
    wizards->addAction(actions_.value(LossWizard));
    wizards->addAction(actions_.value(StandardWizard));

    QMenu* help = menuBar()->addMenu(Strings::loadString(MenuHelp));
    help->addAction(actions_.value(UserGuide));
    help->addAction(actions_.value(About));
    QMenu* manuals = help->addMenu(Strings::loadString(MenuManuals));
    for (int id : {ManualLintel, ManualLintelOrl, ManualPendra, ManualCorvina, ManualInvalidMargin})
        manuals->addAction(actions_.value(id));
}

void CMainFrame::buildToolbar()
{
    toolbar_ = addToolBar(QString());
    toolbar_->setObjectName(QStringLiteral("toolbar128"));
    toolbar_->setMovable(true);
    toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolbar_->setIconSize(QSize(16, 16));
    const QList<int> buttons = {
        FileNew,    FileOpen,          FileSave,          PrintPreview, Print,       Download,    0,
        First,      Previous10,        Previous,          Next,         Next10,      Last,        0,
        EditDelete, ViewDetailsToggle, ViewSummaryToggle, PassFail,     CableMargin, OpticalLoss, 0,
        About};
    for (int id : buttons) {
        if (id == 0) {
            toolbar_->addSeparator();
            continue;
        }
        QAction* action = actions_.value(id);
        action->setIcon(CommandIcons::forCommand(id));
        toolbar_->addAction(action);
        // A button is named by its tool tip; its text would carry the
        // menu's shortcut ("New<tab>Ctrl+N") into the screen reader.
        if (QWidget* button = toolbar_->widgetForAction(action))
            button->setAccessibleName(action->toolTip());
    }
    QAction* toggle = actions_.value(ViewToolbar);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, toolbar_, &QWidget::setVisible);
    connect(toolbar_, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::updateTitle()
{
    // "<document> - Fibrolog", with the modified mark where the desktop shows one.
    setWindowTitle(document_->title() + QStringLiteral("[*] - ") + Strings::loadString(StringId::AppTitle));
    setWindowModified(document_->isModified());
}

void CMainFrame::updateCommands()
{
    if (!view_)
        return;
    const bool back = view_->canMoveBack();
    const bool forward = view_->canMoveForward();
    for (int id : {First, Previous, Previous10})
        actions_.value(id)->setEnabled(back);
    for (int id : {Next, Next10, Last})
        actions_.value(id)->setEnabled(forward);
    const bool details = view_->showsDetails();
    actions_.value(ViewDetails)->setChecked(details);
    actions_.value(ViewSummary)->setChecked(!details);
    actions_.value(ViewDetailsToggle)->setChecked(details);
    actions_.value(ViewSummaryToggle)->setChecked(details);
    // Only the button of the other layout is offered.
    actions_.value(ViewDetailsToggle)->setVisible(!details);
    actions_.value(ViewSummaryToggle)->setVisible(details);
    const SummaryMode mode = view_->summaryMode();
    actions_.value(PassFail)->setChecked(mode == SummaryMode::PassFail);
    actions_.value(CableMargin)->setChecked(mode == SummaryMode::SystemOverhead);
    actions_.value(OpticalLoss)->setChecked(mode == SummaryMode::OpticalLoss);
    for (int id : {PassFail, CableMargin, OpticalLoss})
        actions_.value(id)->setEnabled(!details);
    actions_.value(Meters)->setChecked(view_->lengthInKilometers());
    actions_.value(Feet)->setChecked(!view_->lengthInKilometers());
    actions_.value(EditDelete)->setEnabled(view_->canDelete());
    const bool printable = view_->canDelete();
    actions_.value(Print)->setEnabled(printable);
    actions_.value(PrintPreview)->setEnabled(printable);
    actions_.value(GoToRecord)->setEnabled(view_->canDelete());
}

void CMainFrame::undoOrRedo(bool redo)
{
    if (redo ? fieldEdits_->redoTyping() : fieldEdits_->undoTyping())
        return;
    // An emptied field waiting to be written is written (or refused) first,
    // so the step undone is the last one the user made.
    view_->writePendingEdit();
    EditHistory& history = document_->history();
    const OperationResult done = redo ? history.redo() : history.undo();
    if (!done)
        prompt_->message(Strings::formatMessage(Strings::loadString(StringId::UndoFailed), {done.message()}),
                         Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
}

void CMainFrame::goToRecord()
{
    view_->writePendingEdit();
    const std::optional<int> index =
        GoToRecordDialog::ask(this, document_->currentIndex(), document_->circuits().count());
    if (index)
        view_->moveTo(*index);
}

QStringList CMainFrame::recentFiles() const
{
    return settings_->value(kRecentFilesKey).toStringList();
}

void CMainFrame::addRecentFile(const QString& path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFileCount)
        files.removeLast();
    settings_->setValue(kRecentFilesKey, files);
    updateRecentFiles();
}

void CMainFrame::updateRecentFiles()
{
    recentMenu_->clear();
    const QStringList files = recentFiles();
    if (files.isEmpty()) {
        // A greyed placeholder while the list is empty.
        recentMenu_->addAction(Strings::loadString(StringId::MenuRecentFile))->setEnabled(false);
        return;
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QAction* action =
            recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setObjectName(QStringLiteral("cmd%1").arg(RecentFile + i));
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] {
            if (tell(document_->saveModified(), StringId::ErrorSavingFileCaption))
                openFile(path);
        });
    }
}

bool CMainFrame::tell(const OperationResult& result, int captionId)
{
    if (result.isFailure())
        prompt_->message(result.message(), Strings::loadString(captionId), PromptIcon::Exclamation);
    else if (result.isCancelled())
        statusPanes_->showStatusText(result.message());
    return result.ok();
}

bool CMainFrame::refuseUncarriedName(const QString& path)
{
    if (!FileNameBytes::mayStandForOtherBytes(path))
        return false;
    prompt_->message(FileNameBytes::refusal(QDir::toNativeSeparators(path)),
                     Strings::loadString(StringId::ErrorOpeningFileCaption), PromptIcon::Exclamation);
    return true;
}

bool CMainFrame::openFile(const QString& path)
{
    view_->writePendingEdit();
    // The file dialog and the recent files hand over names as Qt read them;
    // one that lost bytes would open another file, or none.
    if (refuseUncarriedName(path))
        return false;
    // A meter's data file chosen in File > Open is stored as a download would
    // be, rather than refused without a word.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("kav") || suffix == QLatin1String("kavw")) {
        const bool imported = tell(document_->loadFile(path), StringId::AppTitle);
        if (imported) {
            document_->setModifiedFlag(true);
            noticeImportOmissions();
        }
        noticeStandardsProblem();
        return imported;
    }
    const bool opened = tell(document_->onOpenDocument(path), StringId::ErrorOpeningFileCaption);
    if (opened)
        addRecentFile(QFileInfo(path).absoluteFilePath());
    noticeStandardsProblem();
    return opened;
}

bool CMainFrame::openFromCommandLine(const QString& path)
{
    if (refuseUncarriedName(path))
        return false;
    const QFileInfo file(path);
    QString problem;
    if (!file.exists())
        problem = CircuitFile::whyNotATestDatabase(path);
    else if (file.isDir() || !file.isReadable())
        problem = QStringLiteral("Permission denied or not a file.");
    if (!problem.isEmpty()) {
        prompt_->message(
            Strings::formatMessage(Strings::loadString(StringId::FileOpenFailed), {path, problem}),
            Strings::loadString(StringId::ErrorOpeningFileCaption), PromptIcon::Exclamation);
        return false;
    }
    // The document says itself why it refuses a file.
    return openFile(path);
}

void CMainFrame::fileNew()
{
    view_->writePendingEdit();
    if (!tell(document_->saveModified(), StringId::ErrorSavingFileCaption))
        return;
    // A new document is an empty one: what was open goes, with its working copy.
    document_->closeDatabase();
    document_->onNewDocument();
}

void CMainFrame::fileOpen()
{
    view_->writePendingEdit();
    if (!tell(document_->saveModified(), StringId::ErrorSavingFileCaption))
        return;
    std::optional<QString> path;
    if (services_.chooseFileToOpen) {
        path = services_.chooseFileToOpen();
    } else {
        const QString chosen =
            QFileDialog::getOpenFileName(this, QString(), QString(), QStringLiteral("Fibrolog (*.mdb);;*"));
        if (!chosen.isEmpty())
            path = chosen;
    }
    if (path)
        openFile(*path);
}

void CMainFrame::fileSave(bool saveAs)
{
    view_->writePendingEdit();
    const bool saved =
        tell(saveAs ? document_->saveAs() : document_->save(), StringId::ErrorSavingFileCaption);
    if (saved)
        addRecentFile(document_->pathName());
}

void CMainFrame::printReport()
{
    view_->writePendingEdit();
    std::unique_ptr<PagedReport> report = view_->makeReport();
    if (report)
        printPagedReport(*report, true);
}

void CMainFrame::printPagedReport(PagedReport& report, bool pageRange)
{
    std::unique_ptr<PagedReport> chosen; // the report of the circuits chosen in the print dialog
    // Laying out the pages of a large file takes a while: off the window's thread too.
    const PageMetrics metrics = PageMetrics::fromDevice(*printer_);
    const int pages =
        jobs_->runWithProgress(Strings::loadString(StringId::PromptPrint).section(QLatin1Char('\n'), 0, 0),
                               [&](JobProgress&) { return report.paginate(metrics); });
    if (services_.choosePrinter) {
        if (!services_.choosePrinter(*printer_, pages))
            return;
    } else {
        QPrintDialog dialog(printer_.get(), QApplication::activeModalWidget()
                                                ? QApplication::activeModalWidget()
                                                : static_cast<QWidget*>(this));
        PrintChoiceTab* choiceTab = nullptr;
        if (pageRange) {
            dialog.setMinMax(1, pages);
            dialog.setOption(QAbstractPrintDialog::PrintPageRange);
            choiceTab = addPrintChoice(dialog);
        } else {
            dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
            dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        }
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (choiceTab && !chosePrintReport(*choiceTab, chosen))
            return;
    }
    PagedReport& printed = chosen ? *chosen : report;
    const bool ranged = pageRange && printer_->printRange() == QPrinter::PageRange;
    printPages(printed, ranged ? printer_->fromPage() : 1, ranged ? printer_->toPage() : 0);
}

bool CMainFrame::printPages(PagedReport& report, int first, int last)
{
    const LogoSource logos(logoPath_);
    // The report reads the document's circuits on the worker while the
    // window paints from them: neither changes them, and the dialog takes
    // every click and key until the print is done.
    const ReportPrinter::Result result = jobs_->runWithProgress(
        Strings::loadString(StringId::PromptPrint).section(QLatin1Char('\n'), 0, 0),
        [&](JobProgress& progress) {
            return ReportPrinter::print(report, *printer_, logos, first, last, &progress);
        });
    if (result.cancelled) {
        statusPanes_->showStatusText(Strings::formatMessage(Strings::loadString(StringId::PrintStopped),
                                                            {QString::number(result.pages)}));
        return false;
    }
    if (!result.ok)
        prompt_->message(Strings::loadString(StringId::ErrorOccurred) + result.error,
                         Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
    return result.ok;
}

bool CMainFrame::printOnDefaultPrinter()
{
    std::unique_ptr<PagedReport> report = view_->makeReport();
    if (!report)
        return false;
    return printPages(*report, 1, 0);
}

void CMainFrame::previewReport()
{
    view_->writePendingEdit();
    std::unique_ptr<PagedReport> report = view_->makeReport();
    if (!report)
        return;
    bool print = false;
    {
        ReportPreviewDialog preview(*report, PageMetrics::fromDevice(*printer_), logoPath_, this);
        preview.exec();
        print = preview.printChosen();
    }
    // Print from the preview is File > Print, with its dialog and progress.
    if (print)
        actions_.value(Print)->trigger();
}

void CMainFrame::importLogo()
{
    LogoSettingsDialog dialog(logoPath_, *settings_, *prompt_, this);
    if (services_.chooseLogoFile)
        dialog.setFileChooser([this](QWidget*, const QString&) { return services_.chooseLogoFile(); });
    dialog.exec();
    // An empty choice means the built-in logo, which an empty path gives the reports.
    if (const std::optional<QString> chosen = dialog.storedLogoPath())
        logoPath_ = *chosen;
}

void CMainFrame::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

void CMainFrame::openManual(int commandId)
{
    const QString file = ManualFiles::fileFor(commandId);
    const QStringList folders =
        services_.manualFolders.isEmpty() ? ManualFiles::folders() : services_.manualFolders;
    const std::optional<QString> path = ManualFiles::find(file, folders);
    if (!path) {
        QStringList shown;
        for (const QString& folder : folders)
            shown << QDir::toNativeSeparators(folder);
        prompt_->message(Strings::formatMessage(Strings::loadString(StringId::ManualMissing),
                                                {file, shown.join(QLatin1Char('\n'))}),
                         Strings::loadString(StringId::AppTitle), PromptIcon::Information);
        return;
    }
    const bool shown = services_.openDocument ? services_.openDocument(*path)
                                              : QDesktopServices::openUrl(QUrl::fromLocalFile(*path));
    if (!shown)
        prompt_->message(Strings::formatMessage(Strings::loadString(StringId::ManualNotOpened), {*path}),
                         Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
}

void CMainFrame::openUserGuide()
{
    const QStringList folders =
        services_.guideFolders.isEmpty() ? ManualFiles::guideFolders() : services_.guideFolders;
    const std::optional<QString> page = ManualFiles::find(ManualFiles::guidePage(), folders);
    if (!page) {
        QStringList shown;
        for (const QString& folder : folders)
            shown << QDir::toNativeSeparators(folder);
        prompt_->message(Strings::formatMessage(Strings::loadString(StringId::GuideMissing),
                                                {shown.join(QLatin1Char('\n'))}),
                         Strings::loadString(StringId::AppTitle), PromptIcon::Information);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(*page)))
        prompt_->message(Strings::formatMessage(Strings::loadString(StringId::GuideNotOpened), {*page}),
                         Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
}

void CMainFrame::printSetup()
{
    QPageSetupDialog dialog(printer_.get(), this);
    VerdictColourChoice colour(dialog, *settings_);
    if (dialog.exec() == QDialog::Accepted)
        keepVerdictColour(colour);
}

void CMainFrame::keepVerdictColour(VerdictColourChoice& choice)
{
    choice.store();
    view_->setVerdictsInColour(choice.chosen());
}

void CMainFrame::chooseSerialPort()
{
    if (!services_.portList && !ownPortList_)
        ownPortList_ = std::make_unique<SerialPortList>();
    const SerialPortList& ports = services_.portList ? *services_.portList : *ownPortList_;
    SerialPortDialog dialog(ports.ports(), document_->meterLink().chosenDevice(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    settings_->setValue(kMeterPortKey, dialog.chosenPath());
    document_->meterLink().chooseDevice(dialog.chosenPath());
}

void CMainFrame::download()
{
    view_->writePendingEdit();
    // A download replaces the working database: unsaved edits are saved or
    // given up first, never lost without a word.
    if (!tell(document_->saveModified(), StringId::ErrorSavingFileCaption))
        return;
    const DownloadResult transfer = jobs_->runWithProgress(
        Strings::loadString(StringId::InitiatingDownload),
        [this](JobProgress& progress) { return document_->transferDownload(progress); });
    if (!transfer.ok()) {
        // A transfer cut short is said where it cannot be missed, with the
        // file that keeps its bytes; the status bar has the other failures.
        if (transfer.status == DownloadStatus::Incomplete)
            prompt_->message(transfer.detail, Strings::loadString(StringId::AppTitle),
                             PromptIcon::Exclamation);
        // So is a port the user chose that refused or gave no answer: the
        // reason (permission, another program, gone) is the user's to act on.
        else if (transfer.status == DownloadStatus::NoMeter && !transfer.detail.isEmpty())
            prompt_->message(CFibrologDoc::transferFailureText(transfer),
                             Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
        return;
    }
    const OperationResult stored = document_->storeDownload(transfer.path);
    noticeStandardsProblem();
    if (stored) {
        noticeImportOmissions();
        return;
    }
    // The status bar has the reason; a failure, unlike the user's own
    // Cancel, is also said where it cannot be missed.
    if (stored.isFailure())
        prompt_->message(stored.message(), Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
}

void CMainFrame::noticeImportOmissions()
{
    QStringList lines;
    if (!document_->shortenedFields().isEmpty())
        lines << Strings::formatMessage(Strings::loadString(StringId::NoticeShortenedFields),
                                        {document_->shortenedFields().join(QLatin1String(", "))});
    lines << document_->importOmissions();
    notices_->addNotice(lines.join(QLatin1Char('\n')));
}

void CMainFrame::noticeStandardsProblem()
{
    const QString& problem = document_->standardsProblem();
    if (problem == toldStandardsProblem_)
        return;
    // A problem that went away, or turned into another, is not left standing.
    notices_->removeNotice(toldStandardsProblem_);
    notices_->addNotice(problem);
    toldStandardsProblem_ = problem;
}

void CMainFrame::runLossWizard()
{
    view_->writePendingEdit();
    CLossWizard wizard(Strings::loadString(StringId::LossWizardCaption), document_->catalog(), *prompt_,
                       this);
    wizard.setPrintReport([this](PagedReport& report) { printPagedReport(report, false); });
    wizard.buildPages();
    wizard.run();
}

void CMainFrame::runStandardWizard()
{
    view_->writePendingEdit();
    CStandardWizard wizard(QString(), &document_->catalog(), *prompt_, this);
    wizard.run();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // A job still holds the document's files: the window waits for its end
    // (or the user's Cancel in its dialog).
    if (jobs_->isRunning() || document_->isBusy()) {
        event->ignore();
        return;
    }
    view_->writePendingEdit();
    if (!tell(document_->saveModified(), StringId::ErrorSavingFileCaption)) {
        event->ignore();
        return;
    }
    document_->closeDatabase();
    event->accept();
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // A window made small gives its room to the report first: the docks
    // beside it keep at most two fifths of the width (the user may drag
    // them narrower, never wider than that).
    QDockWidget* beside = nullptr;
    for (QDockWidget* dock :
         {static_cast<QDockWidget*>(browserDock_), static_cast<QDockWidget*>(chartPanel_)}) {
        if (dock && dock->isVisible() && !dock->isFloating() &&
            dockWidgetArea(dock) == Qt::LeftDockWidgetArea)
            beside = dock;
    }
    const int most = width() * 2 / 5;
    if (beside && beside->width() > most)
        resizeDocks({beside}, {most}, Qt::Horizontal);
}

void CMainFrame::buildExportCommands()
{
    using namespace StringId;
    QMenu* file = fileMenu_;
    QMenu* view = viewMenu_;
    auto* exportMenu = new QMenu(Strings::loadString(MenuExport), this);
    exportMenu->setObjectName(QStringLiteral("menuExport"));
    exportPdf_ =
        exportMenu->addAction(Strings::loadString(MenuExportPdf), this, [this] { exportPdfReport(); });
    exportPdf_->setObjectName(QStringLiteral("exportPdfReport"));
    exportCsv_ = exportMenu->addAction(Strings::loadString(MenuExportCsv), this, [this] { exportCsv(); });
    exportCsv_->setObjectName(QStringLiteral("exportCsv"));
    if (file)
        file->insertMenu(actions_.value(Print), exportMenu);

    // A tab beside the circuit browser, hidden until asked for: the window
    // keeps its size and the report its room on a small screen.
    chartPanel_ = new LinkChartPanel(*document_, this);
    if (browserDock_) {
        addDockWidget(Qt::LeftDockWidgetArea, chartPanel_);
        tabifyDockWidget(browserDock_, chartPanel_);
    } else {
        addDockWidget(Qt::RightDockWidgetArea, chartPanel_);
    }
    chartPanel_->hide();
    QAction* toggle = chartPanel_->toggleViewAction();
    // Shown from the View menu, the chart comes to the front of its tabs.
    // (After the dock's own handler has shown it: triggered comes after toggled.)
    connect(toggle, &QAction::triggered, chartPanel_, [this](bool shown) {
        if (shown)
            chartPanel_->raise();
    });
    toggle->setText(Strings::loadString(MenuLinkChart));
    toggle->setObjectName(QStringLiteral("viewLinkChart"));
    if (view) {
        view->addSeparator();
        view->addAction(toggle);
    }
    connect(view_, &CFibrologView::stateChanged, this, &CMainFrame::updateExportCommands);
    updateExportCommands();
}

void CMainFrame::updateExportCommands()
{
    const bool circuits = view_ && !document_->circuits().isEmpty();
    exportPdf_->setEnabled(circuits);
    exportCsv_->setEnabled(circuits && document_->database());
}

QString CMainFrame::currentLinkId() const
{
    const FiberCursor& cursor = document_->circuits();
    if (cursor.isEmpty())
        return {};
    return cursor.recordAt(std::clamp(cursor.position(), 0, cursor.count() - 1)).linkId;
}

std::optional<QString> CMainFrame::chooseExportFile(int filterId, const QString& suffix)
{
    const QString filter = Strings::loadString(filterId);
    if (services_.chooseExportFile)
        return services_.chooseExportFile(filter, suffix);
    QFileDialog dialog(this, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void CMainFrame::exportPdfReport()
{
    using namespace StringId;
    view_->writePendingEdit();
    const FiberCursor& cursor = document_->circuits();
    if (cursor.isEmpty())
        return;
    ReportExportDialog dialog(ReportExportDialog::Kind::PdfReport, currentLinkId(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ChosenCircuits circuits(cursor, dialog.choice());
    if (circuits.isEmpty()) {
        prompt_->message(Strings::loadString(ExportNothingChosen), Strings::loadString(AppTitle),
                         PromptIcon::Information);
        return;
    }
    const std::optional<QString> path = chooseExportFile(ExportPdfFilter, QStringLiteral("pdf"));
    if (!path)
        return;
    ReportOptions options;
    options.lengthInKilometers = view_->lengthInKilometers();
    options.verdictsInColour = VerdictColourChoice::stored(*settings_);
    std::unique_ptr<PagedReport> report;
    if (dialog.summary()) {
        auto summary = std::make_unique<CircuitSummaryReport>(circuits, options);
        summary->setLinkCharts(dialog.linkCharts());
        report = std::move(summary);
    } else {
        report = std::make_unique<CircuitDetailReport>(circuits, options);
    }
    // The paper set up for printing, written to a file without a printer.
    const QPageSize::PageSizeId paper = printer_->pageLayout().pageSize().id();
    const LogoSource logos(logoPath_);
    QString error;
    bool cancelled = false;
    const int pages = jobs_->runWithProgress(Strings::loadString(ExportJob), [&](JobProgress& progress) {
        const int written = PdfReportFile(*path, paper).write(*report, logos, &error, &progress);
        cancelled = progress.isCancelled();
        return written;
    });
    if (pages > 0) {
        statusPanes_->showStatusText(Strings::formatMessage(Strings::loadString(ExportWritten), {*path}));
    } else if (cancelled) {
        statusPanes_->showStatusText(Strings::loadString(OperationCancelled));
    } else {
        prompt_->message(Strings::loadString(ErrorOccurred) + error, Strings::loadString(AppTitle),
                         PromptIcon::Exclamation);
    }
}

void CMainFrame::exportCsv()
{
    using namespace StringId;
    view_->writePendingEdit();
    if (!document_->database() || document_->circuits().isEmpty())
        return;
    ReportExportDialog dialog(ReportExportDialog::Kind::Csv, currentLinkId(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const CircuitChoice choice = dialog.choice();
    if (ChosenCircuits(document_->circuits(), choice).isEmpty()) {
        prompt_->message(Strings::loadString(ExportNothingChosen), Strings::loadString(AppTitle),
                         PromptIcon::Information);
        return;
    }
    const std::optional<QString> path = chooseExportFile(ExportCsvFilter, QStringLiteral("csv"));
    if (!path)
        return;
    Database& db = *document_->database();
    const StandardsCatalog& catalog = document_->catalog();
    QString error;
    bool cancelled = false;
    const bool written = jobs_->runWithProgress(Strings::loadString(ExportJob), [&](JobProgress& progress) {
        const bool done =
            exportCircuitsCsv(db, catalog, *path, &error, &progress,
                              [&choice](const CircuitRecord& circuit) { return choice.includes(circuit); });
        cancelled = progress.isCancelled();
        return done;
    });
    if (written) {
        statusPanes_->showStatusText(Strings::formatMessage(Strings::loadString(ExportWritten), {*path}));
    } else if (cancelled) {
        statusPanes_->showStatusText(Strings::loadString(OperationCancelled));
    } else {
        prompt_->message(Strings::loadString(ErrorOccurred) + error, Strings::loadString(AppTitle),
                         PromptIcon::Exclamation);
    }
}

PrintChoiceTab* CMainFrame::addPrintChoice(QPrintDialog& dialog)
{
    auto* tab = new PrintChoiceTab(currentLinkId(), !view_->showsDetails());
    dialog.setOptionTabs({tab}); // the dialog owns the tab from here
    return tab;
}

bool CMainFrame::chosePrintReport(const PrintChoiceTab& tab, std::unique_ptr<PagedReport>& chosen)
{
    const CircuitChoice choice = tab.choice();
    if (choice.choosesAll() && !tab.linkCharts())
        return true; // the report as the view makes it
    const ChosenCircuits circuits(document_->circuits(), choice);
    if (circuits.isEmpty()) {
        prompt_->message(Strings::loadString(StringId::ExportNothingChosen),
                         Strings::loadString(StringId::AppTitle), PromptIcon::Information);
        return false;
    }
    ReportOptions options;
    options.lengthInKilometers = view_->lengthInKilometers();
    options.verdictsInColour = VerdictColourChoice::stored(*settings_);
    if (view_->showsDetails()) {
        chosen = std::make_unique<CircuitDetailReport>(circuits, options);
    } else {
        auto summary = std::make_unique<CircuitSummaryReport>(circuits, options);
        summary->setLinkCharts(tab.linkCharts());
        chosen = std::move(summary);
    }
    return true;
}
