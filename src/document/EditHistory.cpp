#include "document/EditHistory.h"

#include <utility>

void EditStep::redo()
{
    // The document made the edit before it recorded the step.
    if (std::exchange(recorded_, false))
        return;
    result_ = makeAgain();
}

EditHistory::EditHistory(QObject* parent) : QObject(parent)
{
    // A keystroke that joins the last step changes the index, or the name only.
    connect(&stack_, &QUndoStack::indexChanged, this, &EditHistory::changed);
    connect(&stack_, &QUndoStack::undoTextChanged, this, &EditHistory::changed);
    connect(&stack_, &QUndoStack::redoTextChanged, this, &EditHistory::changed);
}

EditHistory::~EditHistory() = default;

void EditHistory::record(EditStep* step)
{
    if (replaying_) {
        delete step;
        return;
    }
    step->setTypingRun(typingRun_);
    stack_.push(step);
}

OperationResult EditHistory::undo()
{
    return replay(true);
}

OperationResult EditHistory::redo()
{
    return replay(false);
}

OperationResult EditHistory::replay(bool undo)
{
    if (replaying_ || !(undo ? stack_.canUndo() : stack_.canRedo()))
        return OperationResult::success();
    const auto* step =
        static_cast<const EditStep*>(stack_.command(undo ? stack_.index() - 1 : stack_.index()));
    replaying_ = true;
    if (undo)
        stack_.undo();
    else
        stack_.redo();
    replaying_ = false;
    // Typing after an undo or redo is a step of its own.
    endTyping();
    OperationResult result = step->result();
    if (!result)
        stack_.clear();
    return result;
}

void EditHistory::clear()
{
    stack_.clear();
    endTyping();
}

void EditHistory::endTyping()
{
    ++typingRun_;
}
