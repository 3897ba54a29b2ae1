#pragma once

#include <QRegion>

// The region of a rectangle with rounded corners, `cornerSize` being the
// width and height of the ellipse that rounds each corner.
QRegion roundedRegion(const QRect& rect, int cornerSize);
