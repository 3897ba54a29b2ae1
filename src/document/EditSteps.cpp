#include "document/EditSteps.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

namespace {

OperationResult circuitGone()
{
    return OperationResult::failure(Strings::loadString(StringId::StepCircuitGone));
}

// The place of the circuit whose fiber is `fiber`; -1 when it is not there.
int indexOfFiber(const FiberCursor& circuits, const RecordId& fiber)
{
    for (int i = 0; i < circuits.count(); ++i) {
        if (circuits.recordAt(i).fiberNumber == fiber)
            return i;
    }
    return -1;
}

} // namespace

FieldEditStep::FieldEditStep(CFibrologDoc& document, EditedField field, const RecordId& key,
                             FieldValues before, FieldValues after)
    : EditStep(nameFor(field, before)), document_(document), field_(field), key_(key),
      before_(std::move(before)), after_(std::move(after))
{
}

QString FieldEditStep::nameFor(EditedField field, const FieldValues& before)
{
    int name = StringId::StepRenameCircuit;
    switch (field) {
    case EditedField::CircuitId:
        name = StringId::StepRenameCircuit;
        break;
    case EditedField::LinkId:
        name = StringId::StepRenameLink;
        break;
    case EditedField::LinkComment:
        name = StringId::StepLinkComment;
        break;
    case EditedField::Company:
        name = StringId::StepRenameCompany;
        break;
    case EditedField::Telephone:
        name = StringId::StepCompanyTelephone;
        break;
    }
    // The name as the view shows it, without the padding of the file.
    return Strings::formatMessage(Strings::loadString(name), {before.first.trimmed()});
}

bool FieldEditStep::mergeWith(const QUndoCommand* other)
{
    const auto* next = dynamic_cast<const FieldEditStep*>(other);
    if (!next || next->field_ != field_ || next->key_ != key_ || next->typingRun() != typingRun())
        return false;
    after_ = next->after_;
    // Typing that came back to where it started is no step at all.
    setObsolete(after_ == before_);
    return true;
}

int FieldEditStep::circuitToShow() const
{
    const FiberCursor& circuits = document_.circuits();
    if (field_ == EditedField::CircuitId)
        return indexOfFiber(circuits, key_);
    const bool link = field_ == EditedField::LinkId || field_ == EditedField::LinkComment;
    auto hasKey = [&](int i) {
        const CircuitRecord& circuit = circuits.recordAt(i);
        return (link ? circuit.siteNumber : circuit.companyNumber) == key_;
    };
    const int current = document_.currentIndex();
    if (current >= 0 && current < circuits.count() && hasKey(current))
        return current;
    for (int i = 0; i < circuits.count(); ++i) {
        if (hasKey(i))
            return i;
    }
    return -1;
}

OperationResult FieldEditStep::write(const FieldValues& values)
{
    const int index = circuitToShow();
    if (index < 0)
        return circuitGone();
    // What is undone is shown, not changed out of sight.
    document_.setCurrentIndex(index);
    switch (field_) {
    case EditedField::CircuitId:
        return document_.renameCircuit(index, values.first);
    case EditedField::LinkId:
    case EditedField::LinkComment:
        return document_.setLink(index, values.first, values.second);
    case EditedField::Company:
    case EditedField::Telephone:
        return document_.setCompany(index, values.first, values.second);
    }
    return circuitGone();
}

DeleteCircuitStep::DeleteCircuitStep(CFibrologDoc& document, DeletedCircuit deleted)
    : EditStep(Strings::formatMessage(Strings::loadString(StringId::StepDeleteCircuit),
                                      {deleted.record.linkId.trimmed(), deleted.record.circuitId.trimmed()})),
      document_(document), deleted_(std::move(deleted))
{
}

OperationResult DeleteCircuitStep::makeAgain()
{
    const int index = indexOfFiber(document_.circuits(), deleted_.record.fiberNumber);
    if (index < 0)
        return circuitGone();
    return document_.deleteCircuit(index);
}
