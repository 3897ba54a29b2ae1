#pragma once

#include <QColor>

#include <array>

// The colours of the medium's buttons: a vertical gradient of 64 steps,
// lighter and bluer while the pointer is over the button, and the edge
// strokes of a hot or focused button.
namespace ButtonGradient {

constexpr int kColourCount = 64;

// Colour `index` (0 ... 63) of the gradient. `defaultLook`: the button has
// the focus, is pressed or is the default button.
QColor colour(int index, bool hot, bool defaultLook);

// The gradient step of row `y` (in the button's coordinates) of a fill
// `height` rows high. Rows at or below the fill's height take the last
// colour rather than one past the table.
int indexOfRow(int y, int height);

struct Stroke
{
    int width;
    QColor colour;
};
// The left, right, top and bottom edge strokes.
const std::array<Stroke, 4>& hotStrokes();
const std::array<Stroke, 4>& focusStrokes();

// The fill behind the outline.
QColor backgroundBrush(bool hot);

} // namespace ButtonGradient
