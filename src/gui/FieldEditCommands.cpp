#include "gui/FieldEditCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

FieldEditCommands::FieldEditCommands(QWidget& window, Actions actions)
    : QObject(&window), window_(window), actions_(actions)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
    // The clipboard is read when it changes, not at every key: on X11 asking
    // another program for it waits on that program.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        readClipboard();
        update();
    });
    readClipboard();
    follow(QApplication::focusWidget());
}

void FieldEditCommands::follow(QWidget* now)
{
    // A menu or a dialog of its own window: the field keeps its commands.
    if (now && now->window() != &window_)
        return;
    auto* field = qobject_cast<QLineEdit*>(now);
    if (field != field_) {
        for (const QMetaObject::Connection& connection : std::as_const(fieldConnections_))
            disconnect(connection);
        fieldConnections_.clear();
        field_ = field;
        if (field) {
            // Typing changes what Undo has; selecting, what Cut and Copy have.
            fieldConnections_ << connect(field, &QLineEdit::textChanged, this, &FieldEditCommands::update)
                              << connect(field, &QLineEdit::selectionChanged, this,
                                         &FieldEditCommands::update)
                              << connect(field, &QLineEdit::cursorPositionChanged, this,
                                         &FieldEditCommands::update);
        }
    }
    update();
}

void FieldEditCommands::readClipboard()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    clipboardHasText_ = data && data->hasText() && !data->text().isEmpty();
}

void FieldEditCommands::update()
{
    QLineEdit* field = field_;
    const bool changeable = field && field->isEnabled() && !field->isReadOnly();
    const bool selectionShown = field && field->hasSelectedText() && field->echoMode() == QLineEdit::Normal;
    actions_.undo->setEnabled(changeable && field->isUndoAvailable());
    actions_.cut->setEnabled(changeable && selectionShown);
    actions_.copy->setEnabled(selectionShown);
    actions_.paste->setEnabled(changeable && clipboardHasText_);
}

void FieldEditCommands::undo()
{
    if (field_)
        field_->undo();
}

void FieldEditCommands::cut()
{
    if (field_)
        field_->cut();
}

void FieldEditCommands::copy()
{
    if (field_)
        field_->copy();
}

void FieldEditCommands::paste()
{
    if (field_)
        field_->paste();
}
