#pragma once

#include "report/VerdictTexts.h"

class QLabel;
class QWidget;

// Colours a cell of the view's results by its verdict (Fail red, Pass green,
// a note amber), in the set that reads on the window's background: darker
// on a light window, lighter on a dark one. Any other cell takes its text
// colour from the window again. The text stays, so colour is never the
// only sign.
void showVerdictColour(QLabel& cell, VerdictKind kind, const QWidget& background);
