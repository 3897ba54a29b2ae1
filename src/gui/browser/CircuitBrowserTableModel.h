#pragma once

#include <QAbstractTableModel>

class CFibrologDoc;
class CircuitBrowserIndex;

// The browser's table: one row per circuit the index shows, the link, the
// circuit ID, the test date, and per wavelength the optical loss, the
// overhead and the verdict. The view asks for the rows it shows only, and a
// row's texts are made from the document's circuit when asked. A verdict
// cell is coloured (Pass green, Fail red, notes amber) and starts with a
// symbol, so that the colour is never the only sign.
class CircuitBrowserTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    CircuitBrowserTableModel(const CFibrologDoc& document, CircuitBrowserIndex& index,
                             QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The index changed what it shows (rows or columns): the table starts again.
    void beginChange() { beginResetModel(); }
    // Whether the index's rows are shown: not while it is being read.
    void setShown(bool shown) { shown_ = shown; }
    void endChange() { endResetModel(); }
    // The rows' texts changed, not which rows are shown.
    void refreshTexts();
    void removeShownRow(int row);
    void endRemoveShownRow();

private:
    const CFibrologDoc& document_;
    CircuitBrowserIndex& index_;
    bool shown_ = false;
};
