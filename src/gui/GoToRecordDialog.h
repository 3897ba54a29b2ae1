#pragma once

#include <optional>

class QWidget;

// Go > Go to Record (Ctrl+G): asks for a record number between 1 and the
// number of circuits, starting at the current one. The number can only be
// one of those; Cancel gives nothing.
namespace GoToRecordDialog {

// The chosen record's index (0 is the first), or nothing on Cancel.
std::optional<int> ask(QWidget* parent, int currentIndex, int count);

} // namespace GoToRecordDialog
