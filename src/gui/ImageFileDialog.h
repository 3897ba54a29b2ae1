#pragma once

#include <QString>

#include <optional>

class QFileDialog;
class QWidget;

// The file-open dialog the logo is chosen with. A dialog object rather than
// QFileDialog's static function, because only an object takes a default
// suffix.
namespace ImageFileDialog {

// Sets up `dialog` to open one existing image file: the image filter, the
// default suffix "bmp", starting in the folder of `currentPath` when it
// names one.
void configure(QFileDialog& dialog, const QString& currentPath);

// Runs the dialog modally over `parent`; the chosen path, or nothing when
// the user cancels.
std::optional<QString> chooseImage(QWidget* parent, const QString& currentPath);

} // namespace ImageFileDialog
