#pragma once

#include "report/ReportOptions.h"
#include "report/ViewSummaryPage.h"
#include "report/ViewSummaryPages.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class CFibrologDoc;
struct CircuitChange;
class PagedReport;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QStackedWidget;
class StatusSink;
class UserPrompt;

// The program's one view of the open test database: one circuit at a time
// with its link, company and the ten-by-four results table (Details), or a
// page of up to ten circuits of one link and company under up to four
// wavelengths (Summary). It pages through the document's circuits (circuit by
// circuit in Details, page by page in Summary; the current circuit is always
// on the page shown), writes the five editable fields back through the
// document at once, deletes the current circuit after asking, and says which
// report a print makes. The texts come from the page model; the view only
// places them, and after an edit only those the edit changed.
class CFibrologView : public QWidget
{
    Q_OBJECT

public:
    // Whether the user confirmed a delete, asked with the question that names
    // the circuit; the window asks with a dialog that may remember a Yes.
    using DeleteQuestion = std::function<bool(const QString& question)>;

    CFibrologView(CFibrologDoc& document, UserPrompt& prompt, StatusSink& status, QWidget* parent = nullptr);
    ~CFibrologView() override;

    void setDeleteQuestion(DeleteQuestion question) { deleteQuestion_ = std::move(question); }

    bool showsDetails() const { return showDetails_; }
    bool showsNoData() const { return noData_; }
    bool lengthInKilometers() const { return lengthInKilometers_; }
    SummaryMode summaryMode() const { return summaryMode_; }
    // Whether the reports print their verdicts in colour (Print Setup's choice).
    void setVerdictsInColour(bool inColour) { verdictsInColour_ = inColour; }

    // What the commands may do now: move by a circuit in Details, by a page in Summary.
    bool canMoveBack() const;
    bool canMoveForward() const;
    bool canDelete() const;

    // The report a print makes of the current layout: circuit details in
    // Details, the summary in Summary; none while there is nothing to print.
    std::unique_ptr<PagedReport> makeReport() const;

public Q_SLOTS:
    void moveFirst();
    void movePrevious();
    void movePrevious10();
    void moveNext();
    void moveNext10();
    void moveLast();
    // Moves to the circuit at `index` (0 is the first), as far as there is one.
    void moveTo(int index);
    // Shows the circuit at `index` of the document's list, chosen elsewhere
    // (the circuit browser): that circuit in Details, the page that holds it
    // in Summary.
    void showCircuit(int index);
    void showSummary();
    void showDetails();
    void toggleLayout();
    void setSummaryMode(SummaryMode mode);
    void setLengthInKilometers(bool kilometers);
    void deleteCurrent();
    // Writes an edit still waiting (an emptied field) before the view moves on.
    void writePendingEdit();

Q_SIGNALS:
    // Layout, mode, unit, position or data changed: the window updates its commands.
    void stateChanged();

protected:
    // Gives the text fields their own word-deleting keys (Ctrl+Del,
    // Ctrl+Backspace) before the window's shortcuts see them, and leaves
    // Ctrl+Home and Ctrl+End to the window's First and Last.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new palette (a dark desktop theme) takes the verdicts' colours with it.
    void changeEvent(QEvent* event) override;

private:
    enum class Field
    {
        None,
        CircuitId,
        LinkId,
        LinkComment,
        Company,
        Telephone,
    };

    void buildForm();
    QWidget* buildCompanyBlock();
    QWidget* buildDetailsPanel();
    QWidget* buildSummaryPanel();
    QLineEdit* addEdit(int id, int maxLength, Field field);
    QLabel* addCaption(int stringId, QLineEdit* field);
    QLabel* addValue(int id);

    void reload();
    // Moves by circuits in Details, by pages in Summary, clamped to the ends.
    void moveBy(int steps);
    void refill();
    // Shows what an edit changed, where the layout shows a changed circuit.
    void showChange(const CircuitChange& change);
    void showChangedDetails(const CircuitChange& change);
    void showChangedSummary(const CircuitChange& change, bool breaksMoved);
    // The Summary's pages, built again when the circuits or their links changed.
    const ViewSummaryPages& summaryPages() const;
    // The page of the current circuit; -1 without circuits.
    int currentPage() const;
    void fillDetails();
    void fillSummary();
    void showEmptyState(bool empty);
    void reportPosition();
    void onEdited(Field field, const QString& text);
    void writeField(Field field);
    // The circuit whose company the company block shows.
    int companyCircuitIndex() const;
    void showText(QLineEdit* edit, const QString& text);

    CFibrologDoc& document_;
    UserPrompt& prompt_;
    StatusSink& status_;
    DeleteQuestion deleteQuestion_;

    bool showDetails_ = true;
    bool lengthInKilometers_ = true;
    SummaryMode summaryMode_ = SummaryMode::PassFail;
    bool noData_ = false;
    bool verdictsInColour_ = false;
    Field pendingEdit_ = Field::None;
    QLineEdit* typingIn_ = nullptr; // the field the user is typing in
    ViewSummaryPage summaryPage_;
    mutable ViewSummaryPages pages_;
    mutable bool pagesStale_ = true;

    QScrollArea* scroller_ = nullptr;
    QLabel* noDataLabel_ = nullptr;
    QWidget* form_ = nullptr;
    QStackedWidget* layouts_ = nullptr;
    QWidget* detailsPanel_ = nullptr;
    QWidget* summaryPanel_ = nullptr;
    QGroupBox* summaryGroup_ = nullptr;
    QLineEdit* company_ = nullptr;
    QLineEdit* telephone_ = nullptr;
    QLineEdit* linkId_ = nullptr;
    QLineEdit* linkComment_ = nullptr;
    QLineEdit* circuitId_ = nullptr;
    QLabel* meterType_ = nullptr;
    QLabel* serialNumber_ = nullptr;
    QLabel* firmware_ = nullptr;
    QLabel* calibrationDate_ = nullptr;
    QLabel* dateOfTest_ = nullptr;
    QLabel* temperature_ = nullptr;
    QLabel* dateOfDownload_ = nullptr;
    QLabel* length_ = nullptr;
    QLabel* lengthCaption_ = nullptr;
    QLabel* connectorPairs_ = nullptr;
    QLabel* splices_ = nullptr;
    QLabel* cableType_ = nullptr;
    QLabel* standard_ = nullptr;
    QLabel* resultsTitle_ = nullptr;
    std::array<QLabel*, 4> detailHeads_{};
    std::array<QLabel*, 10> detailRowCaptions_{};
    std::array<std::array<QLabel*, 4>, 10> detailCells_{};
    std::array<QLabel*, 4> summaryHeads_{};
    std::array<QLabel*, 10> summaryRowCaptions_{};
    std::array<std::array<QLabel*, 4>, 10> summaryCells_{};
};
