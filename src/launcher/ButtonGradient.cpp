#include "launcher/ButtonGradient.h"

#include <algorithm>

namespace ButtonGradient {

QColor colour(int index, bool hot, bool defaultLook)
{
    const int i = std::clamp(index, 0, kColourCount - 1);
    const int grey = hot ? 255 - i / 4 : 255 - i / 3;
    int blue = 255 - i / 5;
    if (defaultLook)
        blue = hot ? 255 - i / 3 : 255 - i / 4;
    return QColor(grey, grey, blue);
}

int indexOfRow(int y, int height)
{
    if (height <= 0)
        return kColourCount - 1;
    return std::clamp(y * (kColourCount - 1) / height, 0, kColourCount - 1);
}

const std::array<Stroke, 4>& hotStrokes()
{
    static const std::array<Stroke, 4> strokes{
        Stroke{3, QColor(250, 196, 88)}, Stroke{3, QColor(251, 202, 106)}, Stroke{2, QColor(252, 210, 121)},
        Stroke{2, QColor(229, 151, 0)}};
    return strokes;
}

const std::array<Stroke, 4>& focusStrokes()
{
    static const std::array<Stroke, 4> strokes{
        Stroke{3, QColor(153, 198, 252)}, Stroke{3, QColor(162, 189, 252)}, Stroke{2, QColor(162, 201, 255)},
        Stroke{2, QColor(162, 201, 255)}};
    return strokes;
}

QColor backgroundBrush(bool hot)
{
    return hot ? QColor(223, 222, 236) : QColor(222, 223, 236);
}

} // namespace ButtonGradient
