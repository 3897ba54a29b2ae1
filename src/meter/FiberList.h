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
};
