#pragma once

#include "document/CFibrologDoc.h"
#include "document/EditHistory.h"

// The steps of the document's history. Each goes through the document's own
// edit functions, so a view and the modified flag follow an undo as they
// follow a typed edit; each finds its circuits by their keys in the file,
// never by a place in the list that a delete moves.

// Which of the five fields an edit changed.
enum class EditedField
{
    CircuitId,
    LinkId,
    LinkComment,
    Company,
    Telephone,
};

// The values an edit writes: the circuit ID; the link ID and comment; the
// company's name and telephone.
struct FieldValues
{
    QString first;
    QString second;

    bool operator==(const FieldValues&) const = default;
};

// An edit of one field of a circuit, a link or a company.
class FieldEditStep : public EditStep
{
public:
    // `key` is the circuit's fiber, the link's site or the company, by field.
    FieldEditStep(CFibrologDoc& document, EditedField field, const RecordId& key, FieldValues before,
                  FieldValues after);

    // Steps of one field join while the user goes on typing in it.
    int id() const override { return 1 + static_cast<int>(field_); }
    bool mergeWith(const QUndoCommand* other) override;

    // The step's name for the menu, from the values before the edit.
    static QString nameFor(EditedField field, const FieldValues& before);

protected:
    OperationResult takeBack() override { return write(before_); }
    OperationResult makeAgain() override { return write(after_); }

private:
    OperationResult write(const FieldValues& values);
    // The circuit to write through and show: the edited one, the current one
    // when it has the link or company, else the first that has it; -1 when none.
    int circuitToShow() const;

    CFibrologDoc& document_;
    EditedField field_;
    RecordId key_;
    FieldValues before_;
    FieldValues after_;
};

// The delete of a circuit; undone, the circuit is back where it was.
class DeleteCircuitStep : public EditStep
{
public:
    DeleteCircuitStep(CFibrologDoc& document, DeletedCircuit deleted);

protected:
    OperationResult takeBack() override { return document_.restoreCircuit(deleted_); }
    OperationResult makeAgain() override;

private:
    CFibrologDoc& document_;
    DeletedCircuit deleted_;
};
