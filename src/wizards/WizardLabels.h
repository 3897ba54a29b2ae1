#pragma once

#include <QString>

class QLabel;
class QWidget;

// The Custom Standard Wizard's pages open with a question, wrapped to the
// page's width, and name what they ask about in bold beneath it.
QLabel* questionLabel(const QString& text, QWidget* parent);
QLabel* subjectLabel(const char* objectName, QWidget* parent);
// Where a page says why its Next or Finish is greyed: empty while nothing
// stands in the way.
QLabel* reasonLabel(QWidget* parent);
