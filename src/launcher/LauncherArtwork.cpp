#include "launcher/LauncherArtwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace LauncherArtwork {
namespace {

const QColor kNight(11, 30, 58);
const QColor kDusk(29, 79, 122);
const QColor kLight(120, 220, 255);

// A lit fiber: a soft glow under a bright core.
void drawFiber(QPainter& painter, const QPainterPath& path, qreal width)
{
    painter.setBrush(Qt::NoBrush);
    for (int glow = 4; glow >= 1; --glow) {
        QColor halo = kLight;
        halo.setAlpha(18 * (5 - glow));
        painter.setPen(QPen(halo, width + glow * 3.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(path);
    }
    painter.setPen(QPen(QColor(230, 250, 255), width, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
}

void drawLightSpot(QPainter& painter, const QPointF& centre, qreal radius)
{
    QRadialGradient spot(centre, radius);
    spot.setColorAt(0.0, QColor(255, 255, 255, 240));
    spot.setColorAt(0.3, QColor(kLight.red(), kLight.green(), kLight.blue(), 160));
    spot.setColorAt(1.0, QColor(kLight.red(), kLight.green(), kLight.blue(), 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(spot);
    painter.drawEllipse(centre, radius, radius);
}

} // namespace

QPixmap background()
{
    QPixmap picture(kBackgroundSize);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kBackgroundSize.height());
    sky.setColorAt(0.0, kNight);
    sky.setColorAt(1.0, kDusk);
    painter.fillRect(picture.rect(), sky);

    // Three fibers sweep in from the lower left and end in points of light.
    const qreal h = kBackgroundSize.height();
    const struct
    {
        QPointF start, c1, c2, end;
        qreal width;
    } fibers[] = {
        {{-10, h - 40}, {90, h - 40}, {130, h - 150}, {250, h - 170}, 2.0},
        {{-10, h - 20}, {110, h - 10}, {160, h - 110}, {262, h - 118}, 1.6},
        {{-10, h + 5}, {130, h + 10}, {190, h - 70}, {270, h - 66}, 1.3},
    };
    for (const auto& fiber : fibers) {
        QPainterPath path(fiber.start);
        path.cubicTo(fiber.c1, fiber.c2, fiber.end);
        drawFiber(painter, path, fiber.width);
        drawLightSpot(painter, fiber.end, 16 + fiber.width * 4);
    }

    // The panel the buttons stand on.
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
    painter.setBrush(QColor(255, 255, 255, 38));
    painter.drawRoundedRect(QRectF(kButtonPanel), 12, 12);

    // The product's name, which needs no translation.
    QFont name(QStringLiteral("Liberation Sans"));
    name.setPixelSize(40);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(Qt::white);
    painter.drawText(QPointF(30, 84), QStringLiteral("Fibrolog"));
    painter.setPen(QPen(kLight, 2));
    painter.drawLine(QPointF(32, 98), QPointF(210, 98));
    painter.end();
    return picture;
}

QPixmap icon(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    QLinearGradient face(0, 0, 0, 64);
    face.setColorAt(0.0, kNight);
    face.setColorAt(1.0, kDusk);
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    QPainterPath fiber(QPointF(6, 52));
    fiber.cubicTo(QPointF(26, 52), QPointF(28, 24), QPointF(44, 22));
    drawFiber(painter, fiber, 2.5);
    drawLightSpot(painter, QPointF(44, 22), 14);
    painter.end();
    return picture;
}

} // namespace LauncherArtwork
