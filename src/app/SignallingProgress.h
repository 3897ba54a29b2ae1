#pragma once

#include "app/JobProgress.h"

#include <QElapsedTimer>
#include <QObject>

// The progress of a job as a Qt signal, for a progress dialog: the job
// reports on its own thread, and a receiver on another thread (the window's)
// gets the signal queued, on its own thread. cancel() may come from any
// thread; the job sees it at its next look.
class SignallingProgress : public QObject, public JobProgress
{
    Q_OBJECT

public:
    explicit SignallingProgress(QObject* parent = nullptr) : QObject(parent) {}

    void report(const QString& what, std::int64_t done, std::int64_t total) override
    {
        Q_EMIT progressed(what, static_cast<qint64>(done), static_cast<qint64>(total));
    }

Q_SIGNALS:
    // `total` is -1 when the amount of work is not known.
    void progressed(const QString& what, qint64 done, qint64 total);
};

// A SignallingProgress that passes on at most one report of the same step
// every kIntervalMs: a job that reports every block it reads would post its
// receiver more signals than the receiving thread can show, and keep it from
// its other work. A new text or total, and the last report of a step, always
// go through.
class PacedProgress : public SignallingProgress
{
public:
    static constexpr qint64 kIntervalMs = 40;

    explicit PacedProgress(QObject* parent = nullptr) : SignallingProgress(parent) { clock_.start(); }

    void report(const QString& what, std::int64_t done, std::int64_t total) override
    {
        const qint64 now = clock_.elapsed();
        const bool news = what != lastWhat_ || total != lastTotal_ || (total >= 0 && done >= total);
        if (!news && now - lastSignal_ < kIntervalMs)
            return;
        lastWhat_ = what;
        lastTotal_ = total;
        lastSignal_ = now;
        SignallingProgress::report(what, done, total);
    }

private:
    // Used on the job's thread only, which is the one that reports.
    QElapsedTimer clock_;
    QString lastWhat_;
    std::int64_t lastTotal_ = -2;
    qint64 lastSignal_ = 0;
};
