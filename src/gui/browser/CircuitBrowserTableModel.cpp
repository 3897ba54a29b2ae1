#include "gui/browser/CircuitBrowserTableModel.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "document/CFibrologDoc.h"
#include "gui/browser/CircuitBrowserIndex.h"
#include "gui/browser/CircuitBrowserValues.h"

#include <QBrush>
#include <QColor>

namespace {

using Value = CircuitBrowserIndex::WavelengthValue;

enum class Tone
{
    None,
    Pass,
    Fail,
    Note,
};

Tone toneOf(VerdictCell cell)
{
    switch (cell) {
    case VerdictCell::Pass:
        return Tone::Pass;
    case VerdictCell::Fail:
        return Tone::Fail;
    case VerdictCell::Note1:
    case VerdictCell::Note2:
    case VerdictCell::Note3:
        return Tone::Note;
    default:
        return Tone::None;
    }
}

// Light fills under dark text of the same hue: readable on any theme's
// table, and apart for the common forms of colour blindness by lightness too.
QColor background(Tone tone)
{
    switch (tone) {
    case Tone::Pass:
        return QColor(0xc6, 0xef, 0xce);
    case Tone::Fail:
        return QColor(0xff, 0xb3, 0xb8);
    case Tone::Note:
        return QColor(0xff, 0xe0, 0x8a);
    case Tone::None:
        break;
    }
    return QColor();
}

QColor foreground(Tone tone)
{
    switch (tone) {
    case Tone::Pass:
        return QColor(0x00, 0x5a, 0x1e);
    case Tone::Fail:
        return QColor(0x8a, 0x00, 0x0a);
    case Tone::Note:
        return QColor(0x6b, 0x45, 0x00);
    case Tone::None:
        break;
    }
    return QColor();
}

// A check, a cross or a warning sign before the verdict's text.
QString symbol(Tone tone)
{
    switch (tone) {
    case Tone::Pass:
        return QStringLiteral("\u2714 ");
    case Tone::Fail:
        return QStringLiteral("\u2718 ");
    case Tone::Note:
        return QStringLiteral("\u26a0 ");
    case Tone::None:
        break;
    }
    return QString();
}

} // namespace

CircuitBrowserTableModel::CircuitBrowserTableModel(const CFibrologDoc& document, CircuitBrowserIndex& index,
                                                   QObject* parent)
    : QAbstractTableModel(parent), document_(document), index_(index)
{
}

int CircuitBrowserTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !shown_ ? 0 : index_.rowCount();
}

int CircuitBrowserTableModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return shown_ ? index_.columnCount() : int(CircuitBrowserIndex::FirstWavelengthColumn);
}

QVariant CircuitBrowserTableModel::data(const QModelIndex& cell, int role) const
{
    if (!cell.isValid() || cell.row() >= rowCount() || cell.column() >= columnCount())
        return QVariant();
    const int circuit = index_.circuitAt(cell.row());
    if (circuit >= document_.circuits().count())
        return QVariant();
    const int column = cell.column();
    if (column < CircuitBrowserIndex::FirstWavelengthColumn) {
        if (role != Qt::DisplayRole)
            return QVariant();
        const CircuitRecord& record = document_.circuits().recordAt(circuit);
        switch (column) {
        case CircuitBrowserIndex::LinkColumn:
            return record.linkId;
        case CircuitBrowserIndex::CircuitColumn:
            return record.circuitId;
        default:
            return record.testDateText;
        }
    }
    const int wavelength =
        (column - CircuitBrowserIndex::FirstWavelengthColumn) / CircuitBrowserIndex::kColumnsPerWavelength;
    const auto value = Value((column - CircuitBrowserIndex::FirstWavelengthColumn) %
                             CircuitBrowserIndex::kColumnsPerWavelength);
    const int slot = index_.slotAt(circuit, wavelength);
    if (slot < 0)
        return QVariant();
    if (value == Value::Verdict) {
        const Tone tone = toneOf(index_.verdictAt(circuit, wavelength));
        switch (role) {
        case Qt::DisplayRole:
            return symbol(tone) +
                   CircuitBrowserValues::verdictText(document_.circuits().recordAt(circuit), slot);
        case Qt::BackgroundRole:
            return tone == Tone::None ? QVariant() : QVariant(QBrush(background(tone)));
        case Qt::ForegroundRole:
            return tone == Tone::None ? QVariant() : QVariant(QBrush(foreground(tone)));
        default:
            return QVariant();
        }
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return QVariant();
    const CircuitRecord& record = document_.circuits().recordAt(circuit);
    const std::optional<QString> text = value == Value::OpticalLoss
                                            ? CircuitBrowserValues::opticalLossText(record, slot)
                                            : CircuitBrowserValues::overheadText(record, slot);
    return text ? QVariant(text->trimmed()) : QVariant();
}

QVariant CircuitBrowserTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QVariant();
    using namespace StringId;
    switch (section) {
    case CircuitBrowserIndex::LinkColumn:
        return Strings::loadString(BrowserColumnLink);
    case CircuitBrowserIndex::CircuitColumn:
        return Strings::loadString(BrowserColumnCircuit);
    case CircuitBrowserIndex::TestDateColumn:
        return Strings::loadString(BrowserColumnTestDate);
    default:
        break;
    }
    const int wavelength =
        (section - CircuitBrowserIndex::FirstWavelengthColumn) / CircuitBrowserIndex::kColumnsPerWavelength;
    const auto value = Value((section - CircuitBrowserIndex::FirstWavelengthColumn) %
                             CircuitBrowserIndex::kColumnsPerWavelength);
    const int template_ = value == Value::OpticalLoss ? BrowserColumnLoss
                          : value == Value::Overhead  ? BrowserColumnOverhead
                                                      : BrowserColumnVerdict;
    return Strings::formatMessage(Strings::loadString(template_), {index_.wavelengths().at(wavelength)});
}

void CircuitBrowserTableModel::sort(int column, Qt::SortOrder order)
{
    beginResetModel();
    index_.sortBy(column, order == Qt::AscendingOrder);
    endResetModel();
}

void CircuitBrowserTableModel::refreshTexts()
{
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void CircuitBrowserTableModel::removeShownRow(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
}

void CircuitBrowserTableModel::endRemoveShownRow()
{
    endRemoveRows();
}
