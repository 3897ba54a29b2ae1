#include "gui/NoticeArea.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The warning colour of KDE's message widget: readable text on its pale
// tint in light and dark colour schemes alike.
const QColor kWarningColour(246, 116, 0);

} // namespace

NoticeBar::NoticeBar(const QString& text, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("notice"));
    setAccessibleDescription(text);

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    icon->setPixmap(style()
                        ->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
                        .pixmap(QSize(iconSize, iconSize), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop);

    // Texts name files and links from the user's data: shown as they are,
    // never taken for markup.
    text_ = new QLabel(text, this);
    text_->setObjectName(QStringLiteral("noticeText"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Its height follows its width, so that a narrower window gives it more lines.
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    text_->setSizePolicy(policy);

    close_ = new QToolButton(this);
    close_->setObjectName(QStringLiteral("noticeClose"));
    close_->setAutoRaise(true);
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, this));
    close_->setToolTip(Strings::loadString(StringId::NoticeCloseTip));
    close_->setAccessibleName(Strings::loadString(StringId::NoticeCloseTip));
    connect(close_, &QToolButton::clicked, this, &NoticeBar::closed);

    auto* layout = new QHBoxLayout(this);
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this);
    layout->setContentsMargins(margin, margin / 2, margin / 2, margin / 2);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addWidget(text_, 1);
    layout->addWidget(close_, 0, Qt::AlignTop);
}

QString NoticeBar::text() const
{
    return text_->text();
}

void NoticeBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = kWarningColour;
    fill.setAlphaF(0.2);
    painter.setPen(QPen(kWarningColour, 1));
    painter.setBrush(fill);
    const qreal radius = 4;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

NoticeArea::NoticeArea(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("notices"));
    // Clear of the window's edges and the toolbar, in line with the view's fields.
    auto* layout = new QVBoxLayout(this);
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this);
    layout->setContentsMargins(margin, margin / 2, margin, 0);
    layout->setSpacing(margin / 2);
    hide();
}

void NoticeArea::addNotice(const QString& text)
{
    if (text.isEmpty() || texts().contains(text))
        return;
    auto* bar = new NoticeBar(text, this);
    connect(bar, &NoticeBar::closed, this, [this, bar] { dismiss(bar); });
    layout()->addWidget(bar);
    show();
}

void NoticeArea::removeNotice(const QString& text)
{
    for (NoticeBar* bar : bars()) {
        if (bar->text() == text)
            dismiss(bar);
    }
}

void NoticeArea::dismiss(NoticeBar* bar)
{
    // Deleted later: the bar's own close button is still in its click.
    layout()->removeWidget(bar);
    bar->hide();
    bar->deleteLater();
    setVisible(!bars().isEmpty());
}

QList<NoticeBar*> NoticeArea::bars() const
{
    QList<NoticeBar*> shown;
    for (int i = 0; i < layout()->count(); ++i) {
        if (auto* bar = qobject_cast<NoticeBar*>(layout()->itemAt(i)->widget()))
            shown << bar;
    }
    return shown;
}

QStringList NoticeArea::texts() const
{
    QStringList shown;
    for (const NoticeBar* bar : bars())
        shown << bar->text();
    return shown;
}
