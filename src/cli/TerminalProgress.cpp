#include "cli/TerminalProgress.h"

namespace {

constexpr qint64 kMinIntervalMs = 100;

} // namespace

TerminalProgress::TerminalProgress(QTextStream& err, bool enabled) : err_(err), enabled_(enabled) {}

TerminalProgress::~TerminalProgress()
{
    finishLine();
}

void TerminalProgress::show(const QString& line)
{
    // Carriage return and "erase to end of line": the next text replaces this one.
    err_ << "\r\x1b[K" << line;
    err_.flush();
    lineOpen_ = true;
    sinceShown_.start();
}

void TerminalProgress::report(const QString& what, std::int64_t done, std::int64_t total)
{
    if (!enabled_)
        return;
    const bool sameStep = what == lastWhat_;
    if (sameStep && sinceShown_.isValid() && sinceShown_.elapsed() < kMinIntervalMs)
        return;
    lastWhat_ = what;
    QString line = what + QStringLiteral(" ") + QString::number(done);
    if (total >= 0)
        line += QStringLiteral("/") + QString::number(total);
    show(line);
}

void TerminalProgress::showStatusText(const QString& text)
{
    if (!enabled_)
        return;
    finishLine();
    lastWhat_.clear();
    show(text);
}

void TerminalProgress::finishLine()
{
    if (!lineOpen_)
        return;
    err_ << '\n';
    err_.flush();
    lineOpen_ = false;
}
