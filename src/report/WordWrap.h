#pragma once

#include <QString>
#include <QStringList>

class QFontMetrics;

// Breaks a text into lines narrower than `width` in the given font: from the
// current position the longest part narrower than the width is taken; when it
// does not end the text it is cut back to its last blank, tab, carriage return
// or line feed, if it has one; the next line starts at the first character
// after the break that is none of these. A single character wider than the
// width still makes a line of its own, so the text always comes to an end.
QStringList wrapText(const QString& text, int width, const QFontMetrics& metrics);
