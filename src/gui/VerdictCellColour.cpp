#include "gui/VerdictCellColour.h"

#include "report/VerdictColours.h"

#include <QLabel>
#include <QPalette>

void showVerdictColour(QLabel& cell, VerdictKind kind, const QWidget& background)
{
    const bool dark = background.palette().color(QPalette::Active, QPalette::Window).lightness() < 128;
    const QColor colour = VerdictColours::onScreen(kind, dark);
    // A palette with the text colour alone: the cell keeps following the
    // window's palette in every other role, and an empty one gives it all back.
    QPalette own;
    if (colour.isValid()) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            own.setColor(group, QPalette::WindowText, colour);
    }
    cell.setPalette(own);
}
