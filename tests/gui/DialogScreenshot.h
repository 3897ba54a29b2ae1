#pragma once

#include <QImage>
#include <QString>

class QWidget;

// Grabs `widget` into `<folder>/<name>.png`, and into the folder
// FIBROLOG_SCREENSHOTS names when it is set, for a look by eye.
// Returns the grabbed image.
QImage saveScreenshot(QWidget& widget, const QString& folder, const QString& name);

// Whether the image shows more than one colour: a grab of a dialog that
// drew nothing is a single flat colour.
bool hasSeveralColours(const QImage& image);
