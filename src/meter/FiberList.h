#pragma once

#include "meter/DownloadFiber.h"

#include <QList>
#include <QString>
#include <QStringList>

// One site's fibers and the wavelengths of their reading columns.
struct FiberList
{
    int siteNumber = 0;
    int fiberType = 0;
    QString name;
    QStringList wavelengthNames; // one per reading column
    QList<DownloadFiber> fibers; // in file order
    // Reading fields left out of the fibers as damaged: holding what a meter
    // never writes in a number or no finite number, or a power outside what
    // a loss meter reads.
    int malformedReadings = 0;
    int implausibleReadings = 0;
};
