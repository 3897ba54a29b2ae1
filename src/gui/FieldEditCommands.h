#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QLineEdit;
class QWidget;

// Edit > Undo, Cut, Copy and Paste act on the text field of the window that
// has the keyboard focus, and are offered only when they would do something
// there: Undo with something to undo, Cut and Copy with text selected, Paste
// with text on the clipboard; Cut and Paste only where the field can change.
// A menu or a dialog taking the focus for a moment leaves the field as the
// one the commands act on.
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
    };

    FieldEditCommands(QWidget& window, Actions actions);

    void undo();
    void cut();
    void copy();
    void paste();

private:
    void follow(QWidget* now);
    void readClipboard();
    void update();

    QWidget& window_;
    Actions actions_;
    QPointer<QLineEdit> field_;
    QList<QMetaObject::Connection> fieldConnections_;
    bool clipboardHasText_ = false;
};
