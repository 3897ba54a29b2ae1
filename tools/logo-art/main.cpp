// logo-art: draws the two built-in report logos, the plain one (resource 134,
// Halvard Photonics) and the "X" one (resource 139, Brannock Metering), and
// writes them as PNG files. The images in src/report/art were made with it:
//   build/tools/logo-art/logo-art src/report/art
// The drawings use shapes only, no fonts, so they come out the same everywhere.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>
#include <numbers>

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 240;

const QColor kNavy(0x14, 0x2d, 0x4f);
const QColor kSteel(0x5b, 0x7a, 0x99);
const QColor kCyan(0x1f, 0xb5, 0xe0);
const QColor kAmber(0xf2, 0xa3, 0x1b);

QImage blankCanvas()
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

// A fiber seen end-on: cladding ring around a bright core.
void drawFiberEnd(QPainter& p, QPointF centre, double radius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius * 0.78, radius * 0.78);
    p.setBrush(kSteel);
    p.drawEllipse(centre, radius * 0.62, radius * 0.62);
    p.setBrush(kCyan);
    p.drawEllipse(centre, radius * 0.24, radius * 0.24);
}

// Light leaving the fiber: three strands fanning out to the right.
void drawLightStrands(QPainter& p, QPointF from, double reach)
{
    const std::array<double, 3> spread = {-0.34, 0.0, 0.34};
    const std::array<QColor, 3> colours = {kSteel, kCyan, kNavy};
    for (std::size_t i = 0; i < spread.size(); ++i) {
        QPainterPath strand(from);
        const QPointF end(from.x() + reach, from.y() + spread[i] * reach * 0.55);
        strand.cubicTo(QPointF(from.x() + reach * 0.35, from.y()), QPointF(from.x() + reach * 0.55, end.y()),
                       end);
        p.setPen(QPen(colours[i], 11, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(strand);
    }
}

QImage plainLogo()
{
    QImage image = blankCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawLightStrands(p, QPointF(120, 120), 215);
    drawFiberEnd(p, QPointF(110, 120), 82);
    return image;
}

// A meter dial with its needle and two light paths crossing in an X.
QImage crossLogo()
{
    QImage image = blankCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF hub(180, 168);
    const double radius = 128;

    p.setPen(QPen(kNavy, 14, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(hub.x() - radius, hub.y() - radius, 2 * radius, 2 * radius), 16 * 15, 16 * 150);
    for (int tick = 0; tick <= 10; ++tick) {
        const double angle = (15.0 + tick * 15.0) * std::numbers::pi / 180.0;
        const double inner = radius - (tick % 5 == 0 ? 34 : 22);
        const QPointF direction(std::cos(angle), -std::sin(angle));
        p.setPen(QPen(tick >= 8 ? kAmber : kSteel, tick % 5 == 0 ? 7 : 5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(hub + direction * inner, hub + direction * (radius - 12));
    }

    p.setPen(QPen(kCyan, 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(28, 222), QPointF(332, 222 - 120));
    p.setPen(QPen(kSteel, 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(28, 102), QPointF(332, 222));

    const double needle = 62.0 * std::numbers::pi / 180.0;
    p.setPen(QPen(kNavy, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hub, hub + QPointF(std::cos(needle), -std::sin(needle)) * (radius - 26));
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawEllipse(hub, 17, 17);
    p.setBrush(kAmber);
    p.drawEllipse(hub, 7, 7);
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        err << "Usage: logo-art FOLDER\n";
        return 2;
    }
    const QDir folder(arguments.at(1));
    const std::array<std::pair<const char*, QImage>, 2> logos = {
        std::pair{"logo-134.png", plainLogo()},
        std::pair{"logo-139.png", crossLogo()},
    };
    for (const auto& [name, image] : logos) {
        const QString path = folder.filePath(QLatin1String(name));
        if (!image.save(path, "PNG")) {
            err << "logo-art: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
