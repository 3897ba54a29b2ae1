#pragma once

#include "report/VerdictTexts.h"

#include <QColor>
#include <QString>

class PagePainter;

// The colours of verdicts: Fail red, Pass green, a note amber. Colour is
// never the only sign: the cell keeps its text. On paper the inks are dark
// enough to read on white; on screen there is a darker set for a light
// window and a lighter one for a dark window.
namespace VerdictColours {

// No colour (an invalid QColor) for VerdictKind::None.
QColor onPaper(VerdictKind kind);
QColor onScreen(VerdictKind kind, bool darkBackground);

// Draws a verdict cell's text decimal-aligned at (x, y), in its colour when
// `inColour`; without it, or for a cell that is no verdict, exactly as any
// other figure, so that a black-and-white report stays what it was.
void drawVerdict(PagePainter& painter, int x, int y, const QString& text, VerdictKind kind, bool inColour);

} // namespace VerdictColours
