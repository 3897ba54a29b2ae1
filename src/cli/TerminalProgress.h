#pragma once

#include "app/JobProgress.h"
#include "app/StatusSink.h"

#include <QElapsedTimer>
#include <QTextStream>

// Progress and status texts of a long command, on one line of standard error
// that is rewritten in place, a few times a second at most. Only when
// standard error is a terminal: in pipes and logs it would be noise.
class TerminalProgress : public JobProgress, public StatusSink
{
public:
    TerminalProgress(QTextStream& err, bool enabled);
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void report(const QString& what, std::int64_t done, std::int64_t total) override;
    void showStatusText(const QString& text) override;
    void showRecordPosition(int, int) override {}

    // Ends the line being rewritten, before other output.
    void finishLine();

private:
    void show(const QString& line);

    QTextStream& err_;
    bool enabled_;
    bool lineOpen_ = false;
    QString lastWhat_;
    QElapsedTimer sinceShown_;
};
