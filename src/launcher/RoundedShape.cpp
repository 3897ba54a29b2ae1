#include "launcher/RoundedShape.h"

#include <QPainterPath>
#include <QPolygon>

QRegion roundedRegion(const QRect& rect, int cornerSize)
{
    QPainterPath path;
    const qreal radius = cornerSize / 2.0;
    path.addRoundedRect(QRectF(rect), radius, radius);
    return QRegion(path.toFillPolygon().toPolygon());
}
