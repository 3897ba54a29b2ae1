#pragma once

#include <QObject>
#include <QPointer>

class EditHistory;
class QAction;
class QLineEdit;
class QWidget;

// Edit > Undo, Redo, Cut, Copy and Paste act on the text field of the window
// that has the keyboard focus, and are offered only when they would do
// something there: Cut and Copy with text selected, Paste with text on the
// clipboard; Cut and Paste only where the field can change. Undo and Redo
// take the field's own typing first, as in every program, and otherwise the
// document's last step (its history); their menu texts say which ("Undo
// Typing", "Undo Rename Circuit 03"). A menu or a dialog taking the focus for
// a moment leaves the field as the one the commands act on.
class FieldEditCommands : public QObject
{
    Q_OBJECT

public:
    struct Actions
    {
        QAction* undo = nullptr;
        QAction* cut = nullptr;
        QAction* copy = nullptr;
        QAction* paste = nullptr;
        QAction* redo = nullptr;
    };

    // `history` is the document's, which the window owns; it must outlive
    // these commands. Without one, Undo and Redo are the field's only.
    FieldEditCommands(QWidget& window, Actions actions, EditHistory* history = nullptr);

    // The field's own undo and redo; false when the field has none to take,
    // and the document's history is then the one to ask.
    bool undoTyping();
    bool redoTyping();
    void cut();
    void copy();
    void paste();

protected:
    // Ctrl+Z in a field with nothing of its own to undo reaches the window's
    // Undo, and so the document's last step; the same for Redo.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* now);
    void readClipboard();
    void update();
    void updateUndoRedo(bool fieldUndo, bool fieldRedo);
    bool fieldCanUndo() const;
    bool fieldCanRedo() const;

    QWidget& window_;
    Actions actions_;
    EditHistory* history_ = nullptr;
    QPointer<QLineEdit> field_;
    QList<QMetaObject::Connection> fieldConnections_;
    bool clipboardHasText_ = false;
};
