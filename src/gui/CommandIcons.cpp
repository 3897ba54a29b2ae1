#include "gui/CommandIcons.h"

#include "gui/CommandIds.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
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

// The colours of our own pictures. Ink follows the palette's text; the
// accents are a dark set for a light toolbar and a light set for a dark one,
// so that every picture stands out from the toolbar either way. Paper, the
// folder and the printer stay light: they read on both.
struct Inks
{
    QColor ink;
    QColor paper{0xfa, 0xfa, 0xf5};
    QColor folder{0xe8, 0xc0, 0x50};
    QColor machine;
    QColor blue;
    QColor green;
    QColor red;

    static Inks ofPalette(const QPalette& palette)
    {
        Inks inks;
        inks.ink = palette.color(QPalette::Active, QPalette::ButtonText);
        const bool darkToolbar = palette.color(QPalette::Active, QPalette::Window).lightness() < 128;
        inks.machine = darkToolbar ? QColor(0xb8, 0xb8, 0xb8) : QColor(0x90, 0x90, 0x90);
        inks.blue = darkToolbar ? QColor(0x8a, 0xb4, 0xf8) : QColor(0x1f, 0x4e, 0x8c);
        inks.green = darkToolbar ? QColor(0x6f, 0xd0, 0x6f) : QColor(0x20, 0x80, 0x20);
        inks.red = darkToolbar ? QColor(0xff, 0x7b, 0x72) : QColor(0xb0, 0x20, 0x20);
        return inks;
    }
};

// A triangle pointing left or right, at `x`, in a 16-unit square.
void arrow(QPainter& p, qreal x, bool right, const QColor& colour)
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
    p.fillPath(path, colour);
}

// Draws the picture of `id` in a 16-unit square; the caller scales it.
void drawPicture(QPainter& p, int id, const Inks& c)
{
    p.setPen(QPen(c.ink, 1));
    switch (id) {
    case FileNew:
        p.setBrush(c.paper);
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        break;
    case FileOpen:
        p.setBrush(c.folder);
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        break;
    case FileSave:
        p.setBrush(c.blue);
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.fillRect(QRectF(5, 3, 6, 4), c.paper);
        break;
    case Print:
    case PrintPreview:
        p.setBrush(c.paper);
        p.drawRect(QRectF(4.5, 1.5, 7, 6));
        p.setBrush(c.machine);
        p.drawRect(QRectF(1.5, 7.5, 13, 6));
        if (id == PrintPreview) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(c.blue, 1.5));
            p.drawEllipse(QRectF(8, 8, 5, 5));
        }
        break;
    case Download: {
        QPainterPath head;
        head.moveTo(3, 8);
        head.lineTo(13, 8);
        head.lineTo(8, 14);
        head.closeSubpath();
        p.fillRect(QRectF(6, 1, 4, 7), c.blue);
        p.fillPath(head, c.blue);
        break;
    }
    case First:
        p.fillRect(QRectF(3, 3, 2, 10), c.blue);
        arrow(p, 6, false, c.blue);
        break;
    case Previous10:
        arrow(p, 2, false, c.blue);
        arrow(p, 8, false, c.blue);
        break;
    case Previous:
        arrow(p, 5, false, c.blue);
        break;
    case Next:
        arrow(p, 5, true, c.blue);
        break;
    case Next10:
        arrow(p, 2, true, c.blue);
        arrow(p, 8, true, c.blue);
        break;
    case Last:
        arrow(p, 4, true, c.blue);
        p.fillRect(QRectF(11, 3, 2, 10), c.blue);
        break;
    case EditDelete:
        p.setPen(QPen(c.red, 2.5));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case ViewDetailsToggle:
        p.setBrush(c.paper);
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
        for (int y = 4; y <= 12; y += 3)
            p.drawLine(QPointF(4, y), QPointF(12, y));
        break;
    case ViewSummaryToggle:
        p.setBrush(c.paper);
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
        p.drawLine(QPointF(6, 3), QPointF(6, 13));
        p.drawLine(QPointF(10, 3), QPointF(10, 13));
        p.drawLine(QPointF(2, 7), QPointF(14, 7));
        break;
    case PassFail:
        p.setPen(QPen(c.green, 2.5));
        p.drawLine(QPointF(2, 9), QPointF(6, 13));
        p.drawLine(QPointF(6, 13), QPointF(14, 3));
        break;
    case CableMargin:
    case OpticalLoss: {
        QFont font = p.font();
        font.setPixelSize(9);
        font.setBold(true);
        p.setFont(font);
        p.setPen(c.blue);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter,
                   id == CableMargin ? QStringLiteral("dB") : QStringLiteral("L"));
        break;
    }
    case About: {
        QFont font = p.font();
        font.setPixelSize(13);
        font.setBold(true);
        p.setFont(font);
        p.setPen(c.blue);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    default:
        break;
    }
}

// Draws a command's picture from its shapes at the size asked for, with the
// palette of the moment: nothing is drawn small and blown up, and a change
// of desktop theme is followed at the next repaint.
class DrawnIconEngine final : public QIconEngine
{
public:
    explicit DrawnIconEngine(int commandId) : commandId_(commandId) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        drawPicture(*painter, commandId_, Inks::ofPalette(QGuiApplication::palette()));
        painter->restore();
    }

    // `size` is in device pixels: QIcon has already multiplied in the ratio.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        return pixmap(size, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new DrawnIconEngine(commandId_); }
    QString key() const override { return QStringLiteral("FibrologDrawnIcon"); }

private:
    int commandId_;
};

} // namespace

QIcon CommandIcons::forCommand(int commandId)
{
    QIcon own(new DrawnIconEngine(commandId));
    const char* theme = themeName(commandId);
    return theme ? QIcon::fromTheme(QLatin1String(theme), own) : own;
}
