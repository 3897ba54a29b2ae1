// icon-render: draws the application icon's SVG into a square PNG of the
// given size. The build runs it once per size of the hicolor theme, so the
// PNGs always follow the SVG and no generated image is kept in the sources.
//   icon-render INPUT.svg OUTPUT.png SIZE
// The icon has shapes only, no text, so no fonts and no display are needed.
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = arguments.size() == 4 ? arguments.at(3).toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1 || size > 4096) {
        err << "Usage: icon-render INPUT.svg OUTPUT.png SIZE\n";
        return 2;
    }

    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        err << "icon-render: cannot read " << arguments.at(1) << '\n';
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(arguments.at(2), "PNG")) {
        err << "icon-render: cannot write " << arguments.at(2) << '\n';
        return 1;
    }
    return 0;
}
