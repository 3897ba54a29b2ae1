#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One meter-sim running for a test: started with the given arguments, its
// serial end's path read from its first line, stopped when the object goes.
class MeterSimProcess
{
public:
    explicit MeterSimProcess(const QStringList& arguments);
    ~MeterSimProcess();
    MeterSimProcess(const MeterSimProcess&) = delete;
    MeterSimProcess& operator=(const MeterSimProcess&) = delete;

    // Empty when the simulator did not start.
    QString path() const { return path_; }

    // FIBROLOG_SERIAL_PORTS text with each simulator at its port number.
    static QString portList(const QList<std::pair<int, const MeterSimProcess*>>& ports);

private:
    QProcess process_;
    QString path_;
};
