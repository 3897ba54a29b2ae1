#include "gui/CommandIcons.h"

#include "gui/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

using namespace CommandIds;

const char* themeName(int id)
{
    switch (id) {
    case FileNew:
        return "document-new";
    case FileOpen:
        return "document-open";
    case FileSave:
        return "document-save";
    case PrintPreview:
        return "document-print-preview";
    case Print:
        return "document-print";
    case EditDelete:
        return "edit-delete";
    case First:
        return "go-first";
    case Previous:
        return "go-previous";
    case Next:
        return "go-next";
    case Last:
        return "go-last";
    case About:
        return "help-about";
    default:
        return nullptr;
    }
}

// A triangle pointing left or right, at `x`, in a 16-unit square.
void arrow(QPainter& p, qreal x, bool right)
{
    QPainterPath path;
    if (right) {
        path.moveTo(x, 3);
        path.lineTo(x + 6, 8);
        path.lineTo(x, 13);
    } else {
        path.moveTo(x + 6, 3);
        path.lineTo(x, 8);
        path.lineTo(x + 6, 13);
    }
    path.closeSubpath();
    p.fillPath(path, QColor(0x1f, 0x4e, 0x8c));
}

void drawPicture(QPainter& p, int id)
{
    const QColor ink(0x30, 0x30, 0x30);
    const QColor paper(0xfa, 0xfa, 0xf5);
    const QColor blue(0x1f, 0x4e, 0x8c);
    p.setPen(QPen(ink, 1));
    switch (id) {
    case FileNew:
        p.setBrush(paper);
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        break;
    case FileOpen:
        p.setBrush(QColor(0xe8, 0xc0, 0x50));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        break;
    case FileSave:
        p.setBrush(blue);
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.fillRect(QRectF(5, 3, 6, 4), paper);
        break;
    case Print:
    case PrintPreview:
        p.setBrush(paper);
        p.drawRect(QRectF(4.5, 1.5, 7, 6));
        p.setBrush(QColor(0x90, 0x90, 0x90));
        p.drawRect(QRectF(1.5, 7.5, 13, 6));
        if (id == PrintPreview) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(blue, 1.5));
            p.drawEllipse(QRectF(8, 8, 5, 5));
        }
        break;
    case Download: {
        QPainterPath head;
        head.moveTo(3, 8);
        head.lineTo(13, 8);
        head.lineTo(8, 14);
        head.closeSubpath();
        p.fillRect(QRectF(6, 1, 4, 7), blue);
        p.fillPath(head, blue);
        break;
    }
    case First:
        p.fillRect(QRectF(3, 3, 2, 10), blue);
        arrow(p, 6, false);
        break;
    case Previous10:
        arrow(p, 2, false);
        arrow(p, 8, false);
        break;
    case Previous:
        arrow(p, 5, false);
        break;
    case Next:
        arrow(p, 5, true);
        break;
    case Next10:
        arrow(p, 2, true);
        arrow(p, 8, true);
        break;
    case Last:
        arrow(p, 4, true);
        p.fillRect(QRectF(11, 3, 2, 10), blue);
        break;
    case EditDelete:
        p.setPen(QPen(QColor(0xb0, 0x20, 0x20), 2.5));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case ViewDetailsToggle:
        p.setBrush(paper);
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        for (int y = 4; y <= 12; y += 3)
            p.drawLine(QPointF(4, y), QPointF(12, y));
        break;
    case ViewSummaryToggle:
        p.setBrush(paper);
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.drawLine(QPointF(6, 3), QPointF(6, 13));
        p.drawLine(QPointF(10, 3), QPointF(10, 13));
        p.drawLine(QPointF(2, 7), QPointF(14, 7));
        break;
    case PassFail:
        p.setPen(QPen(QColor(0x20, 0x80, 0x20), 2.5));
        p.drawLine(QPointF(2, 9), QPointF(6, 13));
        p.drawLine(QPointF(6, 13), QPointF(14, 3));
        break;
    case CableMargin:
    case OpticalLoss: {
        QFont font = p.font();
        font.setPixelSize(9);
        font.setBold(true);
        p.setFont(font);
        p.setPen(blue);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter,
                   id == CableMargin ? QStringLiteral("dB") : QStringLiteral("L"));
        break;
    }
    case About: {
        QFont font = p.font();
        font.setPixelSize(13);
        font.setBold(true);
        p.setFont(font);
        p.setPen(blue);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    default:
        break;
    }
}

QPixmap picture(int id, int scale)
{
    QPixmap pixmap(16 * scale, 16 * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawPicture(p, id);
    return pixmap;
}

} // namespace

QIcon CommandIcons::forCommand(int commandId)
{
    QIcon own;
    own.addPixmap(picture(commandId, 1));
    own.addPixmap(picture(commandId, 2));
    const char* theme = themeName(commandId);
    return theme ? QIcon::fromTheme(QLatin1String(theme), own) : own;
}
