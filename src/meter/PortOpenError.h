#pragma once

#include <QString>

// Why a serial port could not be opened, in the user's words. A search over
// many ports passes quietly over the missing ones, but a port that is there
// and refused us (permission, another program) is worth telling the user:
// it is most likely where the meter is.
struct PortOpenError
{
    enum class Reason
    {
        None,
        Missing,          // no such file, or no device behind the name
        NotSerial,        // a file or device that is no serial port
        PermissionDenied, // the user may not open it (not in dialout)
        Busy,             // another program holds it
        Failed,           // opened, but the line could not be taken or set up
    };

    Reason reason = Reason::None;
    QString message;

    bool refused() const { return reason == Reason::PermissionDenied || reason == Reason::Busy; }
};
