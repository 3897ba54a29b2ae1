#include "DialogScreenshot.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

QImage saveScreenshot(QWidget& widget, const QString& folder, const QString& name)
{
    const QImage image = widget.grab().toImage();
    const QString file = name + QStringLiteral(".png");
    image.save(QDir(folder).filePath(file));
    const QString wanted = qEnvironmentVariable("FIBROLOG_SCREENSHOTS");
    if (!wanted.isEmpty())
        image.save(QDir(wanted).filePath(file));
    return image;
}

bool hasSeveralColours(const QImage& image)
{
    if (image.isNull())
        return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}
