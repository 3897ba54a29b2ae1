#pragma once

#include "support/ScriptedSerialPort.h"
#include "meter/SerialPortOpener.h"

#include <QList>

#include <map>

// Ports with a ScriptedMeter open; every other port does not exist.
class ScriptedPortOpener : public SerialPortOpener
{
public:
    std::map<int, ScriptedMeter> meters;
    QList<int> attempts;

    std::unique_ptr<SerialTransport> open(int portNumber, QString* error) override
    {
        attempts.append(portNumber);
        const auto it = meters.find(portNumber);
        if (it == meters.end()) {
            if (error)
                *error = QStringLiteral("no such port");
            return nullptr;
        }
        return std::make_unique<ScriptedSerialPort>(it->second);
    }
};
