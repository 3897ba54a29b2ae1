#pragma once

#include <QList>
#include <QString>

#include <sys/types.h>

// The character devices the kernel's tty drivers own, as /proc/tty/drivers
// lists them (driver, path, major, minor range, type). Some other character
// devices act when opened (a watchdog starts counting down), so a path the
// user gives as a serial port is checked here before it is opened.
class TtyDrivers
{
public:
    static TtyDrivers fromProc();
    static TtyDrivers fromText(const QString& text);

    // True when the device number belongs to a tty driver, and when the
    // list could not be read: opening and isatty() then decide.
    bool isTty(dev_t device) const;

private:
    struct Range
    {
        unsigned major;
        unsigned firstMinor;
        unsigned lastMinor;
    };
    QList<Range> ranges_;
    bool known_ = false;
};
