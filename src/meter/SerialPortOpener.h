#pragma once

#include "meter/SerialTransport.h"

#include <QString>

#include <memory>

// Opens COM1..COM20 by number. A port that does not exist, is no serial line,
// is in use or may not be opened gives nothing and a reason.
class SerialPortOpener
{
public:
    virtual ~SerialPortOpener() = default;

    virtual std::unique_ptr<SerialTransport> open(int portNumber, QString* error) = 0;
};
