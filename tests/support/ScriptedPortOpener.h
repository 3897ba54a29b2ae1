#pragma once

#include "meter/SerialPortOpener.h"
#include "support/ScriptedSerialPort.h"

#include <QList>

#include <map>

// Ports with a ScriptedMeter open; every other port does not exist.
class ScriptedPortOpener : public SerialPortOpener
{
public:
    std::map<int, ScriptedMeter> meters;
    QList<int> attempts;

    std::unique_ptr<SerialTransport> open(int portNumber, PortOpenError* error) override
    {
        attempts.append(portNumber);
        const auto it = meters.find(portNumber);
        if (it == meters.end()) {
            if (error)
                *error = {PortOpenError::Reason::Missing, QStringLiteral("no such port")};
            return nullptr;
        }
        return std::make_unique<ScriptedSerialPort>(it->second);
    }

    // Scripted meters have numbers only: every path is missing.
    std::unique_ptr<SerialTransport> openDevice(const QString& devicePath, PortOpenError* error) override
    {
        if (error)
            *error = {PortOpenError::Reason::Missing, devicePath + QStringLiteral(": no such port")};
        return nullptr;
    }

    QString devicePath(int) const override { return {}; }
};
