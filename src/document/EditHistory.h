#pragma once

#include "app/OperationResult.h"

#include <QObject>
#include <QString>
#include <QUndoCommand>
#include <QUndoStack>

// One step of the edit history: an edit or a delete the document has made,
// which it can take back and make again. A step is recorded after the
// document made its edit (an edit can fail, and only one that was made is a
// step), so the first redo, which the undo stack runs as it takes the step,
// does nothing.
class EditStep : public QUndoCommand
{
public:
    explicit EditStep(const QString& name) { setText(name); }

    void undo() final { result_ = takeBack(); }
    void redo() final;

    // How the last undo or redo went.
    const OperationResult& result() const { return result_; }
    // The run of typing the step was made in; steps of one run of typing in
    // one field are one step.
    int typingRun() const { return typingRun_; }
    void setTypingRun(int run) { typingRun_ = run; }

protected:
    virtual OperationResult takeBack() = 0;
    virtual OperationResult makeAgain() = 0;

private:
    bool recorded_ = true;
    int typingRun_ = 0;
    OperationResult result_ = OperationResult::success();
};

// The document's undo and redo: every edit and delete of the working
// database as a step, named for the menu ("Rename Circuit 03"), kept until
// the working database is closed. Keys typed in one field are one step until
// the field is left or another circuit is shown (endTyping()).
class EditHistory : public QObject
{
    Q_OBJECT

public:
    explicit EditHistory(QObject* parent = nullptr);
    ~EditHistory() override;

    // Takes a step the document has made (and owns it); one that goes on the
    // typing of the last step joins it. While a step is undone or redone,
    // the edits it makes are not steps of their own.
    void record(EditStep* step);
    bool isReplaying() const { return replaying_; }

    bool canUndo() const { return stack_.canUndo(); }
    bool canRedo() const { return stack_.canRedo(); }
    // The names of the steps undo and redo would take; empty when none.
    QString undoName() const { return stack_.undoText(); }
    QString redoName() const { return stack_.redoText(); }
    int stepCount() const { return stack_.count(); }

    // A step that cannot be undone or redone (the working database refused
    // the write) says why, and the history is cleared: the steps before it
    // would no longer fit the database.
    OperationResult undo();
    OperationResult redo();
    void clear();
    // The next edit starts a step of its own, even in the same field.
    void endTyping();

Q_SIGNALS:
    // What undo and redo would do changed.
    void changed();

private:
    OperationResult replay(bool undo);

    QUndoStack stack_;
    bool replaying_ = false;
    int typingRun_ = 0;
};
