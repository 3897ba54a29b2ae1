#pragma once

#include "app/JobProgress.h"

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
