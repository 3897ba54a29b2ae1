#pragma once

#include <QStringList>

#include <vector>

class FiberCursor;
struct CircuitRecord;

// Which circuits a report or an export covers: every circuit, the circuits of
// some links (by link ID, as printed), the failing ones, or the failing ones
// of some links.
struct CircuitChoice
{
    bool onlyFailing = false;
    QStringList links; // empty: every link

    bool choosesAll() const { return !onlyFailing && links.isEmpty(); }
    bool includes(const CircuitRecord& circuit) const;
};

// A circuit fails when any of its measured wavelengths shows "Fail" on the
// reports. A slot without a verdict (a note, a link without a real length)
// does not make it fail: the reports do not call it failing either.
bool isFailingCircuit(const CircuitRecord& circuit);

// The chosen circuits of a cursor, in the cursor's order. The reports print
// them in place of the whole cursor; the cursor must outlive this and must
// not change while it is used.
class ChosenCircuits
{
public:
    // Every circuit of the cursor, without a list of its own.
    explicit ChosenCircuits(const FiberCursor& cursor);
    ChosenCircuits(const FiberCursor& cursor, const CircuitChoice& choice);

    int count() const;
    bool isEmpty() const { return count() == 0; }
    const CircuitRecord& recordAt(int i) const;

    // The names of `links` that no circuit of the cursor has, in the order given.
    static QStringList unknownLinks(const FiberCursor& cursor, const QStringList& links);

private:
    const FiberCursor* cursor_;
    bool all_ = true;
    std::vector<int> indexes_;
};
