#include "report/CircuitChoice.h"

#include "database/FiberCursor.h"
#include "standards/VerdictCell.h"

#include <QSet>

bool isFailingCircuit(const CircuitRecord& circuit)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (verdictCellFor(circuit, slot) == VerdictCell::Fail)
            return true;
    }
    return false;
}

bool CircuitChoice::includes(const CircuitRecord& circuit) const
{
    if (!links.isEmpty() && !links.contains(circuit.linkId))
        return false;
    return !onlyFailing || isFailingCircuit(circuit);
}

ChosenCircuits::ChosenCircuits(const FiberCursor& cursor) : cursor_(&cursor) {}

ChosenCircuits::ChosenCircuits(const FiberCursor& cursor, const CircuitChoice& choice)
    : cursor_(&cursor), all_(choice.choosesAll())
{
    if (all_)
        return;
    for (int i = 0; i < cursor.count(); ++i) {
        if (choice.includes(cursor.recordAt(i)))
            indexes_.push_back(i);
    }
}

int ChosenCircuits::count() const
{
    return all_ ? cursor_->count() : static_cast<int>(indexes_.size());
}

const CircuitRecord& ChosenCircuits::recordAt(int i) const
{
    return cursor_->recordAt(all_ ? i : indexes_.at(static_cast<std::size_t>(i)));
}

QStringList ChosenCircuits::unknownLinks(const FiberCursor& cursor, const QStringList& links)
{
    QSet<QString> known;
    for (int i = 0; i < cursor.count(); ++i)
        known.insert(cursor.recordAt(i).linkId);
    QStringList unknown;
    for (const QString& link : links) {
        if (!known.contains(link) && !unknown.contains(link))
            unknown.append(link);
    }
    return unknown;
}
