#include "gui/FrameStatusBar.h"

#include "app/LocaleFormat.h"
#include "app/RecordPositionText.h"
#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

namespace {

// The message pane: a message longer than the pane ends in "..." and shows
// whole as a tool tip, rather than widening the window past the screen or
// being cut off in the middle of a word.
class ElidingLabel : public QLabel
{
public:
    explicit ElidingLabel(QWidget* parent) : QLabel(parent) {}

    QSize minimumSizeHint() const override
    {
        const QSize hint = QLabel::minimumSizeHint();
        return {fontMetrics().horizontalAdvance(QStringLiteral("MMMM\u2026")), hint.height()};
    }
    QSize sizeHint() const override { return {minimumSizeHint().width(), QLabel::sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect room = contentsRect();
        const QString line = QString(text()).replace(QLatin1Char('\n'), QLatin1Char(' '));
        const QString shown = fontMetrics().elidedText(line, Qt::ElideRight, room.width());
        setToolTip(shown == line ? QString() : text());
        style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(), shown,
                              foregroundRole());
    }
};

// Pane widths as the frame has always had them, grown with the font so
// that "Record 10000 of 10000" is never cut.
int paneWidth(const QLabel* pane, int minimum, const QString& longest)
{
    return std::max(minimum, pane->fontMetrics().horizontalAdvance(longest) + 12);
}

QLabel* addPane(QStatusBar& bar, const QString& name, int width)
{
    auto* pane = new QLabel(&bar);
    pane->setObjectName(name);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setMinimumWidth(width);
    bar.addPermanentWidget(pane);
    return pane;
}

} // namespace

FrameStatusBar::FrameStatusBar(QStatusBar& bar) : QObject(&bar), bar_(bar)
{
    message_ = new ElidingLabel(&bar);
    message_->setObjectName(QStringLiteral("pane0"));
    bar.addWidget(message_, 1);
    clock_ = addPane(bar, QStringLiteral("pane1"), 100);
    clock_->setMinimumWidth(paneWidth(clock_, 100, QStringLiteral("00/00/0000 00:00 PM")));
    addPane(bar, QStringLiteral("pane2"), 50);
    record_ = addPane(bar, QStringLiteral("pane3"), 100);
    record_->setMinimumWidth(paneWidth(record_, 100, recordPositionText(100000, 100000)));
    addPane(bar, QStringLiteral("pane4"), 100);

    message_->setText(Strings::loadString(StringId::Ready));
    clock_->setText(Strings::loadString(StringId::DatePaneInitial));
    record_->setText(Strings::loadString(StringId::RecordPositionInitial));
    tick();
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &FrameStatusBar::tick);
    timer_->start();
    // Menu prompts go to the message pane while the pointer is over a command.
    connect(&bar, &QStatusBar::messageChanged, this,
            [this](const QString& prompt) { message_->setVisible(prompt.isEmpty()); });
}

void FrameStatusBar::tick()
{
    const QDateTime now = QDateTime::currentDateTime();
    clock_->setText(ShortDate(now) + QLatin1Char(' ') + ShortTime(now));
}

void FrameStatusBar::showStatusText(const QString& text)
{
    message_->setText(text);
}

void FrameStatusBar::showRecordPosition(int position, int count)
{
    record_->setText(recordPositionText(position, count));
}

QString FrameStatusBar::messageText() const
{
    return message_->text();
}

QString FrameStatusBar::clockText() const
{
    return clock_->text();
}

QString FrameStatusBar::recordText() const
{
    return record_->text();
}
