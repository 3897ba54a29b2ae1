#pragma once

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

#include "gui/DeleteConfirmationAnswer.h"

class CFibrologDoc;
class CircuitBrowser;
class DeleteConfirmation;
class CFibrologView;
class DialogJobRunner;
class DialogPrompt;
class FieldEditCommands;
class OperationResult;
class PagedReport;
class FrameStatusBar;
class LinkChartPanel;
class NoticeArea;
class QAction;
class QActionGroup;
class QDockWidget;
class QMenu;
class QPrintDialog;
class QPrinter;
class PrintChoiceTab;
class QSettings;
class QToolBar;
class SerialPortList;
class SerialPortOpener;
class ThreadBoundPrompt;
class ThreadBoundStatus;
class UserPrompt;
class VerdictColourChoice;
class WizardLinkDataSource;

// What the window needs from outside; tests give scripted ones.
struct FrameServices
{
    UserPrompt* prompt = nullptr;      // questions and messages; the window's dialogs when null
    SerialPortOpener* ports = nullptr; // the serial ports; the real ones when null
    const SerialPortList* portList =
        nullptr;                   // the ports File > Serial Port offers; this computer's when null
    QSettings* settings = nullptr; // recent files, logo path; the user's when null
    // The file to open, from File > Open; nothing when the user cancels.
    std::function<std::optional<QString>()> chooseFileToOpen;
    // Sets up the printer for Print (the print dialog); false cancels.
    std::function<bool(QPrinter&, int pageCount)> choosePrinter;
    // The delete question (the confirmation dialog), given the question's
    // text, and the logo file chooser.
    std::function<DeleteConfirmationAnswer(const QString& question)> askDelete;
    std::function<std::optional<QString>()> chooseLogoFile;
    // Shows a document (a manual) with the desktop's viewer; false when none could.
    std::function<bool(const QString& path)> openDocument;
    // Where the manuals are looked for; the installed and the usual folders when empty.
    QStringList manualFolders;
    // Where the user guide is looked for; beside the program and the
    // installed folders when empty. The guide opens through QDesktopServices.
    QStringList guideFolders;
    // How long a long job runs before its progress dialog shows, in
    // milliseconds; the dialog's own moment when negative.
    int jobDialogDelayMs = -1;
    // The file File > Export writes, given the file dialog's filter and the
    // default suffix; nothing when the user cancels. The file dialog when null.
    std::function<std::optional<QString>(const QString& filter, const QString& suffix)> chooseExportFile;
};

// The program's one window around the report view: the menus, the toolbar,
// the five-pane status bar, the File, Edit, View, Download, Wizards and Help
// commands. It owns the document and reaches the user through message boxes
// and dialogs, carried to this thread when a job on a worker asks.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(FrameServices services = FrameServices(), QWidget* parent = nullptr);
    ~CMainFrame() override;

    CFibrologDoc& document() { return *document_; }
    CFibrologView& view() { return *view_; }
    FrameStatusBar& statusPanes() { return *statusPanes_; }
    // The notices above the report view, which stay until the user closes them.
    NoticeArea& notices() { return *notices_; }
    QPrinter& printer() { return *printer_; }
    QAction* command(int id) const { return actions_.value(id); }
    // The "Link Chart" dock (View > Link Chart shows it).
    LinkChartPanel& linkChartPanel() { return *chartPanel_; }
    // The circuit browser and its dock (View > Circuit Browser shows and hides it).
    CircuitBrowser& circuitBrowser() { return *browser_; }
    QDockWidget* circuitBrowserDock() const { return browserDock_; }

    // Opens a test database as File > Open does (after the save question).
    bool openFile(const QString& path);
    // Opens the file named on the command line. One that is missing or
    // cannot be read, or that the document refuses, is reported once and the
    // window stays with no document.
    bool openFromCommandLine(const QString& path);
    // The recent files, newest first.
    QStringList recentFiles() const;
    // Prints the report of the current layout on the printer as it is set up
    // (the default printer unless the user chose another), with no print
    // dialog; the progress dialog and its Cancel as for every print.
    bool printOnDefaultPrinter();
    // The logo the reports print, settled at start: the stored "LogoPath" when
    // it names an image that can be read, else empty (the built-in logo).
    const QString& logoPath() const { return logoPath_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Says how an operation of the document ended: a failure in a message
    // box under `captionId`, a cancel in the status bar. True on success.
    bool tell(const OperationResult& result, int captionId);
    // Prints pages first..last (last 0: to the end) with progress and Cancel.
    bool printPages(PagedReport& report, int first, int last);
    // Says so and returns true when `path` may have lost bytes on its way in.
    bool refuseUncarriedName(const QString& path);
    QAction* addCommand(int id, int menuTextId, const std::function<void()>& run);
    void buildCommands();
    void buildMenus();
    void buildToolbar();
    // The circuit browser in a dock beside the report view, shown at start.
    void buildCircuitBrowser();
    void updateTitle();
    void updateCommands();
    void addRecentFile(const QString& path);
    void updateRecentFiles();

    // File > Export (PDF Report..., CSV...) and the Link Chart dock with its View entry.
    void buildExportCommands();
    void updateExportCommands();
    void exportPdfReport();
    void exportCsv();
    std::optional<QString> chooseExportFile(int filterId, const QString& suffix);
    // The print dialog's "Circuits" tab, and the report of what it chose:
    // `chosen` stays empty for every circuit without charts; false, after
    // saying so, when the choice leaves no circuit.
    PrintChoiceTab* addPrintChoice(QPrintDialog& dialog);
    bool chosePrintReport(const PrintChoiceTab& tab, std::unique_ptr<PagedReport>& chosen);
    // File > Team Server..., Publish to Team Server..., Open from Team Server...
    // (CMainFrameTeamServer.cpp).
    void buildTeamServerCommands();
    void updateTeamServerCommands();
    // The team server's address; empty after saying why there is none (and
    // offering File > Team Server when none is set).
    QString teamServerAddress();
    // True when a server was chosen (or kept) with OK.
    bool chooseTeamServer();
    void publishToTeamServer();
    void openFromTeamServer();

    // The current circuit's link ID, empty without circuits.
    QString currentLinkId() const;

    void fileNew();
    void fileOpen();
    void fileSave(bool saveAs);
    void printReport();
    // Prints on the window's printer after the print dialog, with progress;
    // the circuit reports let the user choose pages, the Loss Wizard's does not.
    void printPagedReport(PagedReport& report, bool pageRange);
    void runLossWizard();
    void runStandardWizard();
    void previewReport();
    // Print Setup: the printer's page and whether verdicts print in colour.
    void printSetup();
    void keepVerdictColour(VerdictColourChoice& choice);
    void importLogo();
    void openManual(int commandId);
    void openUserGuide();
    void showAbout();
    void download();
    void chooseSerialPort();
    void goToRecord();
    // Edit > Undo and Redo: the focused field's typing first, else the
    // document's last step; a step that fails is said.
    void undoOrRedo(bool redo);
    // Opens at the usual size, or smaller where the screen is.
    void resizeToScreen();
    // What the last stored download or data file left out or shortened, as a
    // notice that stays; the command line says the same on standard error.
    void noticeImportOmissions();
    // A shared standards file that could not be read, as a notice; a problem
    // already told is not told again at every open, and one that went away
    // takes its notice with it.
    void noticeStandardsProblem();

    std::unique_ptr<DialogPrompt> dialogs_;
    std::unique_ptr<DialogJobRunner> jobs_;
    UserPrompt* prompt_ = nullptr;
    std::unique_ptr<ThreadBoundPrompt> boundPrompt_;
    FrameStatusBar* statusPanes_ = nullptr;
    NoticeArea* notices_ = nullptr;
    QString toldStandardsProblem_;
    std::unique_ptr<ThreadBoundStatus> boundStatus_;
    std::unique_ptr<SerialPortOpener> ownPorts_;
    std::unique_ptr<SerialPortList> ownPortList_;
    std::unique_ptr<QSettings> ownSettings_;
    QSettings* settings_ = nullptr;
    FrameServices services_;
    std::unique_ptr<WizardLinkDataSource> linkDataSource_;
    std::unique_ptr<CFibrologDoc> document_;
    CFibrologView* view_ = nullptr;
    QDockWidget* browserDock_ = nullptr;
    CircuitBrowser* browser_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<DeleteConfirmation> deleteConfirmation_;
    QString logoPath_;
    QToolBar* toolbar_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    // Kept for the commands added after the menus are built.
    QMenu* fileMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QHash<int, QAction*> actions_;
    FieldEditCommands* fieldEdits_ = nullptr;
    LinkChartPanel* chartPanel_ = nullptr;
    QAction* exportPdf_ = nullptr;
    QAction* exportCsv_ = nullptr;
};
