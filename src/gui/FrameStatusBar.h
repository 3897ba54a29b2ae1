#pragma once

#include "app/StatusSink.h"

#include <QObject>

class QLabel;
class QStatusBar;
class QTimer;

// The main window's five status-bar panes: messages and menu prompts, the
// date and time (every second), an empty pane, the record position the view
// reports, another empty pane. It is the window's StatusSink; jobs on a worker
// reach it through a ThreadBoundStatus.
class FrameStatusBar : public QObject, public StatusSink
{
    Q_OBJECT

public:
    explicit FrameStatusBar(QStatusBar& bar);

    void showStatusText(const QString& text) override;
    void showRecordPosition(int position, int count) override;

    QString messageText() const;
    QString clockText() const;
    QString recordText() const;

private:
    void tick();

    QStatusBar& bar_;
    QLabel* message_ = nullptr;
    QLabel* clock_ = nullptr;
    QLabel* record_ = nullptr;
    QTimer* timer_ = nullptr;
};
