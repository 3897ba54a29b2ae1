#include "gui/ImageFileDialog.h"

#include "gui/LogoImages.h"

#include <QFileDialog>
#include <QFileInfo>

namespace ImageFileDialog {

void configure(QFileDialog& dialog, const QString& currentPath)
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(LogoImages::fileFilter());
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (!currentPath.isEmpty()) {
        const QFileInfo current(currentPath);
        if (current.absoluteDir().exists()) {
            dialog.setDirectory(current.absolutePath());
            if (current.isFile())
                dialog.selectFile(current.fileName());
        }
    }
}

std::optional<QString> chooseImage(QWidget* parent, const QString& currentPath)
{
    QFileDialog dialog(parent);
    configure(dialog, currentPath);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.first();
}

} // namespace ImageFileDialog
