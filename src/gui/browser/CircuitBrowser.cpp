#include "gui/browser/CircuitBrowser.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "document/CFibrologDoc.h"
#include "gui/browser/CircuitBrowserTableModel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace {

using Branch = CircuitBrowserIndex::Branch;

constexpr int kBranchKindRole = Qt::UserRole;
constexpr int kBranchIndexRole = Qt::UserRole + 1;
// How long one slice of reading a file's circuits may hold the event loop.
constexpr qint64 kReadSliceMs = 30;

QStandardItem* countItem()
{
    auto* item = new QStandardItem();
    item->setEditable(false);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

void setTextIfChanged(QStandardItem* item, const QString& text)
{
    if (item && item->text() != text)
        item->setText(text);
}

} // namespace

CircuitBrowser::CircuitBrowser(CFibrologDoc& document, QWidget* parent) : QWidget(parent), document_(document)
{
    setObjectName(QStringLiteral("circuitBrowser"));
    buildWidgets();
    connect(&document_, &CFibrologDoc::circuitsReset, this, &CircuitBrowser::startOver);
    connect(&document_, &CFibrologDoc::circuitsChanged, this, &CircuitBrowser::showChange);
    connect(&document_, &CFibrologDoc::circuitRemoved, this, &CircuitBrowser::removeCircuit);
    connect(&document_, &CFibrologDoc::currentIndexChanged, this, [this] { selectCurrent(); });
    startOver();
}

CircuitBrowser::~CircuitBrowser() = default;

QSize CircuitBrowser::sizeHint() const
{
    int width = fontMetrics().averageCharWidth() * 95;
    // On a small screen the report keeps most of the window.
    if (const QScreen* shown = screen())
        width = std::min(width, shown->availableGeometry().width() * 2 / 5);
    return QSize(width, QWidget::sizeHint().height());
}

void CircuitBrowser::buildWidgets()
{
    using namespace StringId;
    treeModel_ = new QStandardItemModel(this);
    treeModel_->setHorizontalHeaderLabels({Strings::loadString(BrowserTreeName),
                                           Strings::loadString(BrowserTreeCircuits),
                                           Strings::loadString(BrowserTreeFailing)});
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("browserTree"));
    tree_->setAccessibleName(Strings::loadString(BrowserTreeName));
    tree_->setModel(treeModel_);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setUniformRowHeights(true);
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tree_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tree_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CircuitBrowser::chooseBranch);

    verdictFilter_ = new QComboBox(this);
    verdictFilter_->setObjectName(QStringLiteral("browserVerdictFilter"));
    verdictFilter_->setAccessibleName(Strings::loadString(BrowserVerdictFilterName));
    verdictFilter_->addItem(Strings::loadString(BrowserFilterAll),
                            int(CircuitBrowserIndex::VerdictFilter::All));
    verdictFilter_->addItem(Strings::loadString(BrowserFilterFailing),
                            int(CircuitBrowserIndex::VerdictFilter::Failing));
    verdictFilter_->addItem(Strings::loadString(BrowserFilterNotes),
                            int(CircuitBrowserIndex::VerdictFilter::Notes));
    connect(verdictFilter_, &QComboBox::currentIndexChanged, this, [this] {
        const auto filter = CircuitBrowserIndex::VerdictFilter(verdictFilter_->currentData().toInt());
        reshow([this, filter] { index_.setVerdictFilter(filter); });
    });
    textFilter_ = new QLineEdit(this);
    textFilter_->setObjectName(QStringLiteral("browserTextFilter"));
    textFilter_->setPlaceholderText(Strings::loadString(BrowserFilterTextHint));
    textFilter_->setAccessibleName(Strings::loadString(BrowserFilterTextHint));
    textFilter_->setClearButtonEnabled(true);
    for (QToolButton* button : textFilter_->findChildren<QToolButton*>())
        button->setAccessibleName(Strings::loadString(BrowserClearFilterName));
    connect(textFilter_, &QLineEdit::textChanged, this,
            [this](const QString& text) { reshow([this, text] { index_.setText(text); }); });
    shownCount_ = new QLabel(this);
    shownCount_->setObjectName(QStringLiteral("browserShownCount"));

    tableModel_ = new CircuitBrowserTableModel(document_, index_, this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("browserTable"));
    table_->setAccessibleName(Strings::loadString(BrowserDockTitle));
    table_->setModel(tableModel_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table_->setAlternatingRowColors(true);
    // Rows of one height, so that a table of a hundred thousand rows never
    // asks every row its size.
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->horizontalHeader()->setSortIndicator(CircuitBrowserIndex::LinkColumn, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    // A sort or a filter keeps the columns as the user left them: their
    // widths, and where the table was scrolled to.
    connect(tableModel_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        selecting_ = true;
        const QHeaderView* header = table_->horizontalHeader();
        widthsBefore_.clear();
        for (int column = 0; column < header->count(); ++column)
            widthsBefore_.push_back(header->isSectionHidden(column) ? -1 : header->sectionSize(column));
        scrolledBefore_ = table_->horizontalScrollBar()->value();
    });
    connect(tableModel_, &QAbstractItemModel::modelReset, this, [this] {
        QHeaderView* header = table_->horizontalHeader();
        if (header->count() == int(widthsBefore_.size())) {
            for (int column = 0; column < header->count(); ++column) {
                const int width = widthsBefore_[std::size_t(column)];
                header->setSectionHidden(column, width < 0);
                if (width >= 0)
                    header->resizeSection(column, width);
            }
            // The scroll bar's range follows the columns only once laid out.
            table_->doItemsLayout();
            table_->horizontalScrollBar()->setValue(scrolledBefore_);
            // The heading's own offset went back to the start with the
            // reset; a scroll bar that did not move does not tell it.
            header->setOffset(table_->horizontalScrollBar()->value());
        }
        selecting_ = false;
        updateShownCount();
        selectCurrent();
    });
    connect(
        table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { onCurrentRowChanged(current.isValid() ? current.row() : -1); });

    auto* filters = new QHBoxLayout();
    filters->setContentsMargins(0, 0, 0, 0);
    filters->addWidget(verdictFilter_);
    filters->addWidget(textFilter_, 1);
    auto* lower = new QWidget(this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addLayout(filters);
    lowerLayout->addWidget(table_, 1);
    lowerLayout->addWidget(shownCount_);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(tree_);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
}

void CircuitBrowser::startOver()
{
    // Until the new circuits are read, nothing of the old ones is shown or
    // followed. The reading waits for the event loop, so that the report
    // view shows the opened file first, and goes on in slices short enough
    // that the window keeps answering while a large file is read.
    filled_ = false;
    tableModel_->beginChange();
    tableModel_->setShown(false);
    index_.startReading(document_.circuits());
    tableModel_->endChange();
    fillTree();
    if (!readScheduled_) {
        readScheduled_ = true;
        QTimer::singleShot(0, this, &CircuitBrowser::readOn);
    }
}

void CircuitBrowser::readOn()
{
    readScheduled_ = false;
    if (filled_)
        return;
    if (!index_.readFor(document_.circuits(), kReadSliceMs)) {
        readScheduled_ = true;
        QTimer::singleShot(0, this, &CircuitBrowser::readOn);
        return;
    }
    tableModel_->beginChange();
    tableModel_->setShown(true);
    tableModel_->endChange();
    filled_ = true;
    fillTree();
    showBranchColumns();
    updateShownCount();
    selectCurrent();
    Q_EMIT filled();
}

QList<QStandardItem*> CircuitBrowser::addTreeRow(QStandardItem* parent, const QString& name, Branch branch)
{
    auto* item = new QStandardItem(name);
    item->setEditable(false);
    item->setData(int(branch.kind), kBranchKindRole);
    item->setData(branch.index, kBranchIndexRole);
    QList<QStandardItem*> row{item, countItem(), countItem()};
    parent->appendRow(row);
    return row;
}

void CircuitBrowser::updateCounts(const std::array<QStandardItem*, 3>& row, int circuits, int failing)
{
    if (!row[0])
        return;
    setTextIfChanged(row[1], QString::number(circuits));
    setTextIfChanged(row[2], QString::number(failing));
    // A failing count is red as well as bold, light red on a dark theme.
    const bool dark = tree_->palette().color(QPalette::Base).lightness() < 128;
    const QColor red = dark ? QColor(0xff, 0x8a, 0x8a) : QColor(0x8a, 0x00, 0x0a);
    row[2]->setForeground(failing > 0 ? QBrush(red) : QBrush());
    QFont font = row[2]->font();
    font.setBold(failing > 0);
    row[2]->setFont(font);
    // A link or company whose last circuit was deleted goes from the tree.
    QStandardItem* parent = row[0]->parent();
    if (row[0]->model() && parent)
        tree_->setRowHidden(row[0]->row(), parent->index(), circuits == 0);
}

void CircuitBrowser::fillTree()
{
    const QSignalBlocker quiet(tree_->selectionModel());
    treeModel_->removeRows(0, treeModel_->rowCount());
    companyRows_.clear();
    linkRows_.clear();
    allRow_ = {};
    // No counts until every circuit is read.
    if (!filled_)
        return;
    // The tree is built whole before it goes into the model: one insertion
    // for the view, not one per link of thousands.
    auto* root = new QStandardItem();
    const QList<QStandardItem*> all =
        addTreeRow(root, Strings::loadString(StringId::BrowserAllCircuits), Branch());
    const auto toArray = [](const QList<QStandardItem*>& row) {
        return std::array<QStandardItem*, 3>{row.at(0), row.at(1), row.at(2)};
    };
    allRow_ = toArray(all);
    const auto byName = [](const auto& list) {
        std::vector<int> order(list.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&list](int a, int b) {
            return list[std::size_t(a)].name.compare(list[std::size_t(b)].name, Qt::CaseInsensitive) < 0;
        });
        return order;
    };
    companyRows_.resize(index_.companies().size());
    linkRows_.resize(index_.links().size());
    for (int c : byName(index_.companies())) {
        companyRows_[std::size_t(c)] = toArray(
            addTreeRow(allRow_[0], index_.companies()[std::size_t(c)].name, Branch{Branch::Company, c}));
    }
    for (int l : byName(index_.links())) {
        const CircuitBrowserIndex::Link& link = index_.links()[std::size_t(l)];
        linkRows_[std::size_t(l)] = toArray(
            addTreeRow(companyRows_[std::size_t(link.company)][0], link.name, Branch{Branch::Link, l}));
    }
    updateAllCounts();
    treeModel_->appendRow(root->takeRow(0));
    delete root;
    // The companies show; their links open when asked.
    tree_->expand(allRow_[0]->index());
    tree_->setCurrentIndex(allRow_[0]->index());
}

void CircuitBrowser::updateAllCounts()
{
    updateCounts(allRow_, index_.circuitCount(), index_.failingCount());
    for (std::size_t c = 0; c < companyRows_.size(); ++c)
        updateCounts(companyRows_[c], index_.companies()[c].circuits, index_.companies()[c].failing);
    for (std::size_t l = 0; l < linkRows_.size(); ++l)
        updateCounts(linkRows_[l], index_.links()[l].circuits, index_.links()[l].failing);
}

void CircuitBrowser::showChange(const CircuitChange& change)
{
    // A change while the circuits are being read: they are read again.
    if (!filled_) {
        startOver();
        return;
    }
    if (index_.mayMoveRows(change)) {
        reshow([this, &change] { index_.applyChange(document_.circuits(), change); });
    } else {
        index_.applyChange(document_.circuits(), change);
        tableModel_->refreshTexts();
    }
    if (change.changed(CircuitChange::Link)) {
        for (std::size_t l = 0; l < linkRows_.size(); ++l)
            setTextIfChanged(linkRows_[l][0], index_.links()[l].name);
    }
    if (change.changed(CircuitChange::Company)) {
        for (std::size_t c = 0; c < companyRows_.size(); ++c)
            setTextIfChanged(companyRows_[c][0], index_.companies()[c].name);
    }
}

void CircuitBrowser::removeCircuit(int index)
{
    if (!filled_) {
        startOver();
        return;
    }
    // The row goes without the table moving the document's current circuit.
    selecting_ = true;
    const int row = index_.rowOf(index);
    if (row >= 0)
        tableModel_->removeShownRow(row);
    index_.remove(index);
    if (row >= 0)
        tableModel_->endRemoveShownRow();
    selecting_ = false;
    updateAllCounts();
    updateShownCount();
    selectCurrent();
}

void CircuitBrowser::chooseBranch()
{
    const QModelIndex current = tree_->currentIndex();
    Branch branch;
    if (current.isValid()) {
        const QModelIndex first = current.siblingAtColumn(0);
        branch.kind = Branch::Kind(first.data(kBranchKindRole).toInt());
        branch.index = first.data(kBranchIndexRole).toInt();
    }
    if (branch == index_.branch())
        return;
    reshow([this, branch] { index_.setBranch(branch); });
    showBranchColumns();
}

template <typename Change>
void CircuitBrowser::reshow(Change change)
{
    // The model's reset selects the current circuit again.
    tableModel_->beginChange();
    change();
    tableModel_->endChange();
}

void CircuitBrowser::showBranchColumns()
{
    QHeaderView* header = table_->horizontalHeader();
    const QFontMetrics metrics(header->font());
    const int padding =
        2 * metrics.averageCharWidth() + header->style()->pixelMetric(QStyle::PM_HeaderMarkSize);
    for (int column = 0; column < index_.columnCount(); ++column) {
        const int wavelength = column >= CircuitBrowserIndex::FirstWavelengthColumn
                                   ? (column - CircuitBrowserIndex::FirstWavelengthColumn) /
                                         CircuitBrowserIndex::kColumnsPerWavelength
                                   : -1;
        table_->setColumnHidden(column, wavelength >= 0 && !index_.branchHasWavelength(wavelength));
        // Wide enough for the heading and a typical value, measured on the
        // first row only: a hundred thousand rows are never asked.
        int width = metrics.horizontalAdvance(tableModel_->headerData(column, Qt::Horizontal).toString());
        if (index_.rowCount() > 0)
            width =
                std::max(width, table_->fontMetrics().horizontalAdvance(
                                    tableModel_->index(0, column).data().toString() + QStringLiteral("  ")));
        header->resizeSection(column, width + padding);
    }
}

void CircuitBrowser::selectCurrent()
{
    if (!filled_)
        return;
    const int row = index_.rowOf(document_.currentIndex());
    const bool wasSelecting = std::exchange(selecting_, true);
    QItemSelectionModel* selection = table_->selectionModel();
    if (row < 0) {
        selection->clear();
    } else {
        // Up or down to the row, never sideways away from the columns the
        // user looks at (a new current cell scrolls to itself).
        const int across = table_->horizontalScrollBar()->value();
        const QModelIndex cell = tableModel_->index(row, 0);
        selection->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        table_->scrollTo(cell);
        table_->horizontalScrollBar()->setValue(across);
    }
    selecting_ = wasSelecting;
}

void CircuitBrowser::onCurrentRowChanged(int row)
{
    if (selecting_ || row < 0 || row >= index_.rowCount())
        return;
    const int circuit = index_.circuitAt(row);
    if (circuit != document_.currentIndex())
        Q_EMIT circuitChosen(circuit);
}

void CircuitBrowser::updateShownCount()
{
    shownCount_->setText(
        Strings::formatMessage(Strings::loadString(StringId::BrowserShownCount),
                               {QString::number(index_.rowCount()), QString::number(index_.circuitCount())}));
}
