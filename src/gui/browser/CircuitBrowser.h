#pragma once

#include "gui/browser/CircuitBrowserIndex.h"

#include <QWidget>

#include <array>
#include <vector>

class CFibrologDoc;
class CircuitBrowserTableModel;
struct CircuitChange;
class QComboBox;
class QItemSelection;
class QLabel;
class QLineEdit;
class QStandardItem;
class QStandardItemModel;
class QTableView;
class QTreeView;

// Every circuit of the document at a glance: a tree of the companies and
// their links with their counts of circuits and of failing circuits, and a
// table of the circuits of the branch chosen in it, sortable by any column
// and filtered by verdict and by text as the user types. Choosing a row asks
// for that circuit to be shown (circuitChosen); the document's current
// circuit, wherever it moves, is the row selected. It follows the document's
// signals: the circuits read anew after a file opens (once the event loop
// turns, so that the report view shows first, and in slices), edits and deletes as they
// happen.
class CircuitBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit CircuitBrowser(CFibrologDoc& document, QWidget* parent = nullptr);
    ~CircuitBrowser() override;

    // Room for the link, the circuit, the date and a wavelength's three
    // columns, within two fifths of the screen: the dock's width when the
    // window opens.
    QSize sizeHint() const override;

    QTreeView* tree() const { return tree_; }
    QTableView* table() const { return table_; }
    QComboBox* verdictFilter() const { return verdictFilter_; }
    QLineEdit* textFilter() const { return textFilter_; }
    const CircuitBrowserIndex& index() const { return index_; }
    // Whether the table holds the document's circuits as they are now (false
    // from a file's opening until the browser has read it).
    bool isFilled() const { return filled_; }

Q_SIGNALS:
    // The user chose the circuit at `index` of the document's list.
    void circuitChosen(int index);
    // The browser has read the document's circuits anew.
    void filled();

private:
    void buildWidgets();
    void startOver();
    // Reads on for a slice of time; shows the circuits once all are read.
    void readOn();
    void fillTree();
    QList<QStandardItem*> addTreeRow(QStandardItem* parent, const QString& name,
                                     CircuitBrowserIndex::Branch branch);
    void updateCounts(const std::array<QStandardItem*, 3>& row, int circuits, int failing);
    void updateAllCounts();
    void showChange(const CircuitChange& change);
    void removeCircuit(int index);
    void chooseBranch();
    // Runs a change of the index that may change the rows shown, then selects
    // the current circuit again.
    template <typename Change>
    void reshow(Change change);
    void showBranchColumns();
    void selectCurrent();
    void onCurrentRowChanged(int row);
    void updateShownCount();

    CFibrologDoc& document_;
    CircuitBrowserIndex index_;
    bool filled_ = false;
    bool readScheduled_ = false;
    std::vector<int> widthsBefore_; // -1 for a hidden column
    int scrolledBefore_ = 0;
    bool selecting_ = false; // the browser itself moves the table's selection
    QStandardItemModel* treeModel_ = nullptr;
    std::array<QStandardItem*, 3> allRow_{};
    std::vector<std::array<QStandardItem*, 3>> companyRows_;
    std::vector<std::array<QStandardItem*, 3>> linkRows_;
    CircuitBrowserTableModel* tableModel_ = nullptr;
    QTreeView* tree_ = nullptr;
    QComboBox* verdictFilter_ = nullptr;
    QLineEdit* textFilter_ = nullptr;
    QLabel* shownCount_ = nullptr;
    QTableView* table_ = nullptr;
};
