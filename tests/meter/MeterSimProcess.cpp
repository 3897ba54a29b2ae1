#include "MeterSimProcess.h"

#include <QStringList>

MeterSimProcess::MeterSimProcess(const QStringList& arguments)
{
    // A simulator that outlives a broken test still goes: --lifetime.
    process_.start(QStringLiteral(FIBROLOG_METER_SIM), QStringList{"--lifetime", "120"} + arguments);
    if (!process_.waitForStarted(5000))
        return;
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

MeterSimProcess::~MeterSimProcess()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000))
        process_.kill();
    process_.waitForFinished(5000);
}

QString MeterSimProcess::portList(const QList<std::pair<int, const MeterSimProcess*>>& ports)
{
    QStringList entries(20);
    for (const auto& [number, sim] : ports)
        entries[number - 1] = sim->path();
    return entries.join(QLatin1Char(','));
}
