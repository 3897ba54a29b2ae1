#include "report/VerdictColours.h"

#include "report/PagePainter.h"

namespace VerdictColours {

QColor onPaper(VerdictKind kind)
{
    switch (kind) {
    case VerdictKind::Pass:
        return QColor(0x1b, 0x7a, 0x1b);
    case VerdictKind::Fail:
        return QColor(0xc0, 0x10, 0x10);
    case VerdictKind::Note:
        return QColor(0xb0, 0x6a, 0x00);
    case VerdictKind::None:
        break;
    }
    return {};
}

QColor onScreen(VerdictKind kind, bool darkBackground)
{
    switch (kind) {
    case VerdictKind::Pass:
        return darkBackground ? QColor(0x6f, 0xd0, 0x6f) : QColor(0x1b, 0x7a, 0x1b);
    case VerdictKind::Fail:
        return darkBackground ? QColor(0xff, 0x7b, 0x72) : QColor(0xb0, 0x10, 0x10);
    case VerdictKind::Note:
        return darkBackground ? QColor(0xf0, 0xb4, 0x40) : QColor(0x94, 0x5a, 0x00);
    case VerdictKind::None:
        break;
    }
    return {};
}

void drawVerdict(PagePainter& painter, int x, int y, const QString& text, VerdictKind kind, bool inColour)
{
    const QColor colour = inColour ? onPaper(kind) : QColor();
    if (colour.isValid())
        painter.drawDecimalAligned(x, y, text, colour);
    else
        painter.drawDecimalAligned(x, y, text);
}

} // namespace VerdictColours
