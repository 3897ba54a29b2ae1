#include "gui/FieldEditCommands.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "document/EditHistory.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

FieldEditCommands::FieldEditCommands(QWidget& window, Actions actions, EditHistory* history)
    : QObject(&window), window_(window), actions_(actions), history_(history)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
    // The clipboard is read when it changes, not at every key: on X11 asking
    // another program for it waits on that program.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        readClipboard();
        update();
    });
    if (history_)
        connect(history_, &EditHistory::changed, this, &FieldEditCommands::update);
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
        if (field_)
            field_->removeEventFilter(this);
        field_ = field;
        // Leaving a field ends its run of typing: typed again, it is another step.
        if (history_)
            history_->endTyping();
        if (field) {
            field->installEventFilter(this);
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

bool FieldEditCommands::fieldCanUndo() const
{
    const QLineEdit* field = field_;
    return field && field->isEnabled() && !field->isReadOnly() && field->isUndoAvailable();
}

bool FieldEditCommands::fieldCanRedo() const
{
    const QLineEdit* field = field_;
    return field && field->isEnabled() && !field->isReadOnly() && field->isRedoAvailable();
}

void FieldEditCommands::update()
{
    QLineEdit* field = field_;
    const bool changeable = field && field->isEnabled() && !field->isReadOnly();
    const bool selectionShown = field && field->hasSelectedText() && field->echoMode() == QLineEdit::Normal;
    updateUndoRedo(fieldCanUndo(), fieldCanRedo());
    actions_.cut->setEnabled(changeable && selectionShown);
    actions_.copy->setEnabled(selectionShown);
    actions_.paste->setEnabled(changeable && clipboardHasText_);
}

void FieldEditCommands::updateUndoRedo(bool fieldUndo, bool fieldRedo)
{
    const QString typing = Strings::loadString(StringId::StepTyping);
    auto offer = [](QAction* action, bool able, const QString& step, int plainText, int stepText) {
        if (!action)
            return;
        action->setEnabled(able);
        action->setText(step.isEmpty() ? Strings::loadString(plainText)
                                       : Strings::formatMessage(Strings::loadString(stepText), {step}));
    };
    const bool historyUndo = history_ && history_->canUndo();
    const bool historyRedo = history_ && history_->canRedo();
    offer(actions_.undo, fieldUndo || historyUndo,
          fieldUndo ? typing : (historyUndo ? history_->undoName() : QString()), StringId::MenuUndo,
          StringId::MenuUndoStep);
    offer(actions_.redo, fieldRedo || historyRedo,
          fieldRedo ? typing : (historyRedo ? history_->redoName() : QString()), StringId::MenuRedo,
          StringId::MenuRedoStep);
}

bool FieldEditCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == field_ && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto isKeyOf = [key](QAction* action, QKeySequence::StandardKey standard) {
            return key->matches(standard) ||
                   (action && action->shortcuts().contains(QKeySequence(key->keyCombination())));
        };
        // Left unaccepted, the key is the window's shortcut rather than the field's.
        if ((isKeyOf(actions_.undo, QKeySequence::Undo) && !fieldCanUndo()) ||
            (isKeyOf(actions_.redo, QKeySequence::Redo) && !fieldCanRedo()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool FieldEditCommands::undoTyping()
{
    if (!fieldCanUndo())
        return false;
    field_->undo();
    return true;
}

bool FieldEditCommands::redoTyping()
{
    if (!fieldCanRedo())
        return false;
    field_->redo();
    return true;
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
