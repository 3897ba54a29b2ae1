#include "gui/GoToRecordDialog.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QInputDialog>
#include <QSpinBox>

std::optional<int> GoToRecordDialog::ask(QWidget* parent, int currentIndex, int count)
{
    if (count <= 0)
        return std::nullopt;
    const QString label =
        Strings::formatMessage(Strings::loadString(StringId::GoToRecordLabel), {QString::number(count)});
    // The title is the command's short name, the second line of its prompt.
    const QString prompt = Strings::loadString(StringId::PromptGoToRecord);
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("goToRecord"));
    dialog.setWindowTitle(prompt.section(QLatin1Char('\n'), -1));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setLabelText(label);
    dialog.setIntRange(1, count);
    dialog.setIntValue(currentIndex + 1);
    // The spin box is named by the question, for screen readers too.
    if (auto* number = dialog.findChild<QSpinBox*>())
        number->setAccessibleName(label);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.intValue() - 1;
}
