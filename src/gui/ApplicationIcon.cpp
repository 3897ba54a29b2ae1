#include "gui/ApplicationIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

// The name of the installed icon, the desktop entry's Icon= and the window's
// desktop file name alike.
const QString kIconName = QStringLiteral("org.fibrolog.Fibrolog");

// The picture installed in the hicolor theme, from data/icons, drawn at the
// sizes desktops ask for rather than scaled from one of them.
QIcon builtInIcon()
{
    QSvgRenderer picture(QStringLiteral(":/icons/org.fibrolog.Fibrolog.svg"));
    QIcon icon;
    if (!picture.isValid())
        return icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        picture.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon applicationIcon()
{
    return QIcon::fromTheme(kIconName, builtInIcon());
}
