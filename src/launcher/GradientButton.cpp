#include "launcher/GradientButton.h"

#include "launcher/ButtonGradient.h"
#include "launcher/RoundedShape.h"

#include <QHelpEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>

namespace {

// The width of a sunken edge, which the gradient leaves free inside the
// outline.
constexpr int kEdge = 2;
// The room kept free between the text and the button's sides.
constexpr int kTextPadding = 4;
// The longest text drawn at all; a label is a few words.
constexpr int kMaxTextLength = 260;

} // namespace

GradientButton::GradientButton(bool richLook, QWidget* parent) : QPushButton(parent), richLook_(richLook)
{
    if (richLook_)
        setAttribute(Qt::WA_Hover);
}

void GradientButton::enterEvent(QEnterEvent* event)
{
    setHot(true);
    QPushButton::enterEvent(event);
}

// Qt reports the pointer leaving even when it moves off faster than a move
// event comes, and when the button is hidden under the pointer.
void GradientButton::leaveEvent(QEvent* event)
{
    setHot(false);
    QPushButton::leaveEvent(event);
}

void GradientButton::setHot(bool hot)
{
    if (hot_ == hot)
        return;
    hot_ = hot;
    update();
}

void GradientButton::resizeEvent(QResizeEvent* event)
{
    QPushButton::resizeEvent(event);
    if (richLook_)
        setMask(roundedRegion(QRect(0, 0, width() + 1, height() + 1), 4));
}

int GradientButton::textWidth() const
{
    if (richLook_)
        return width() - 2 * (kEdge + kTextPadding);
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width() - 2 * kTextPadding;
}

QString GradientButton::shownText() const
{
    return fontMetrics().elidedText(text().left(kMaxTextLength), Qt::ElideRight, std::max(0, textWidth()),
                                    Qt::TextShowMnemonic);
}

bool GradientButton::event(QEvent* event)
{
    // A shortened text is shown whole where the pointer rests.
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const QString shown = shownText();
        if (shown != text().left(kMaxTextLength)) {
            auto* help = static_cast<QHelpEvent*>(event);
            static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
            QToolTip::showText(help->globalPos(), QString(text()).replace(mnemonic, QStringLiteral("\\1")),
                               this);
            return true;
        }
    }
    return QPushButton::event(event);
}

void GradientButton::paintEvent(QPaintEvent*)
{
    if (richLook_)
        paintRich();
    else
        paintStandard();
}

void GradientButton::paintStandard()
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = shownText();
    painter.drawControl(QStyle::CE_PushButton, option);
}

// Qt paints widgets into a back buffer already, so the button is drawn
// straight onto itself without flicker.
void GradientButton::paintRich()
{
    QPainter painter(this);
    // Outside the rounded outline the window's picture shows through.
    painter.setClipRegion(roundedRegion(QRect(0, 0, width() + 1, height() + 1), 4));

    const bool focus = hasFocus();
    const bool pressed = isDown();
    const bool defaultLook = focus || pressed || isDefault();

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ButtonGradient::backgroundBrush(hot_));
    painter.drawRoundedRect(QRectF(0.5, 0.5, width() - 1.0, height() - 1.0), 2.5, 2.5);

    const QRect inner = rect().adjusted(kEdge, kEdge, -kEdge, -kEdge);
    if (inner.isEmpty())
        return;
    // Each row is one step of the gradient; the rows below the last step
    // keep its colour.
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        const int index = ButtonGradient::indexOfRow(y, inner.height());
        painter.fillRect(QRect(inner.left(), y, inner.width(), 1),
                         ButtonGradient::colour(index, hot_, defaultLook));
    }

    if (hot_ || focus) {
        const auto& strokes =
            (hot_ || !focus) ? ButtonGradient::hotStrokes() : ButtonGradient::focusStrokes();
        // Left, right, top, bottom, each inside the inner rectangle.
        painter.fillRect(QRect(inner.left(), inner.top(), strokes[0].width, inner.height()),
                         strokes[0].colour);
        painter.fillRect(
            QRect(inner.right() + 1 - strokes[1].width, inner.top(), strokes[1].width, inner.height()),
            strokes[1].colour);
        painter.fillRect(QRect(inner.left(), inner.top(), inner.width(), strokes[2].width),
                         strokes[2].colour);
        painter.fillRect(
            QRect(inner.left(), inner.bottom() + 1 - strokes[3].width, inner.width(), strokes[3].width),
            strokes[3].colour);
    }

    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::ButtonText));
    painter.setFont(font());
    const QRect textArea = pressed ? inner.translated(1, 1) : inner;
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, shownText());
}
