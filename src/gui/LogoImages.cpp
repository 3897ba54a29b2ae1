#include "gui/LogoImages.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

#include <algorithm>

namespace LogoImages {

bool hasImageSuffix(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty())
        return false;
    return QImageReader::supportedImageFormats().contains(suffix.toLatin1());
}

QImage read(const QString& path)
{
    if (path.isEmpty())
        return QImage();
    QImageReader reader(path);
    return reader.read();
}

QSize previewSize(QSize size)
{
    const int longer = std::max(size.width(), size.height());
    if (longer <= 0)
        return QSize();
    // 64-bit products: a side times 200 overflows int for images wider than
    // about ten million pixels.
    const auto fit = [longer](int side) {
        return std::max(1, static_cast<int>(static_cast<qint64>(side) * kPreviewBox / longer));
    };
    return QSize(fit(size.width()), fit(size.height()));
}

QImage preview(const QImage& image)
{
    const QSize size = previewSize(image.size());
    if (!size.isValid())
        return QImage();
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString fileFilter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    QString filter = Strings::formatMessage(Strings::loadString(StringId::LogoImageFilter),
                                            {patterns.join(QLatin1Char(' '))});
    // A language module may still carry the filter in the old "text|pattern||"
    // form; Qt wants the text part alone.
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar >= 0)
        filter.truncate(bar);
    return filter;
}

} // namespace LogoImages
