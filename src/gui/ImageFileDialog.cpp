#include "gui/ImageFileDialog.h"

#include "app/FileNameBytes.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "gui/LogoImages.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

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
    // A name the dialog read with lost bytes would put another image on
    // the reports, or none.
    if (FileNameBytes::mayStandForOtherBytes(chosen.first())) {
        QMessageBox::warning(parent, Strings::loadString(StringId::ErrorOpeningFileCaption),
                             FileNameBytes::refusal(QDir::toNativeSeparators(chosen.first())));
        return std::nullopt;
    }
    return chosen.first();
}

} // namespace ImageFileDialog
