#include "gui/DialogPrompt.h"

#include "app/FileNameBytes.h"
#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Hand:
        return QMessageBox::Critical;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// An empty caption shows the program's name, as message boxes always have.
QString captionOrTitle(const QString& caption)
{
    return caption.isEmpty() ? Strings::loadString(StringId::AppTitle) : caption;
}

QMessageBox::StandardButton ask(QWidget* parent, const QString& text, const QString& caption, PromptIcon icon,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape)
{
    QMessageBox box(boxIcon(icon), captionOrTitle(caption), text, buttons, parent);
    box.setEscapeButton(escape);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void DialogPrompt::message(const QString& text, const QString& caption, PromptIcon icon)
{
    ask(parent_, text, caption, icon, QMessageBox::Ok, QMessageBox::Ok);
}

PromptAnswer DialogPrompt::askYesNo(const QString& text, const QString& caption, PromptIcon icon)
{
    return ask(parent_, text, caption, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
                   QMessageBox::Yes
               ? PromptAnswer::Yes
               : PromptAnswer::No;
}

PromptAnswer DialogPrompt::askYesNoCancel(const QString& text, const QString& caption, PromptIcon icon)
{
    switch (ask(parent_, text, caption, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Cancel;
    }
}

PromptAnswer DialogPrompt::askRetryCancel(const QString& text, const QString& caption, PromptIcon icon)
{
    return ask(parent_, text, caption, icon, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel) ==
                   QMessageBox::Retry
               ? PromptAnswer::Retry
               : PromptAnswer::Cancel;
}

PromptAnswer DialogPrompt::askMergeOverwrite(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Question, captionOrTitle(caption), text, QMessageBox::NoButton, parent_);
    QPushButton* merge = box.addButton(Strings::loadString(StringId::MergeButton), QMessageBox::AcceptRole);
    QPushButton* overwrite =
        box.addButton(Strings::loadString(StringId::OverwriteButton), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(merge);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == merge)
        return PromptAnswer::Merge;
    if (box.clickedButton() == overwrite)
        return PromptAnswer::Overwrite;
    return PromptAnswer::Cancel;
}

std::optional<QString> DialogPrompt::saveFileName(const QString& suggestedPath)
{
    const QString path = QFileDialog::getSaveFileName(parent_, QString(), suggestedPath,
                                                      QStringLiteral("Fibrolog (*.mdb);;*"));
    if (path.isEmpty())
        return std::nullopt;
    // A name the dialog read with lost bytes would save into another file.
    if (FileNameBytes::mayStandForOtherBytes(path)) {
        message(FileNameBytes::refusal(QDir::toNativeSeparators(path)),
                Strings::loadString(StringId::ErrorSavingFileCaption), PromptIcon::Exclamation);
        return std::nullopt;
    }
    return path;
}
