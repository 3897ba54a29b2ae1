#pragma once

#include "standards/RecordId.h"

#include <QDate>
#include <QString>

// The first record of a download: who owns the meter and which meter it is.
struct DownloadHeader
{
    QString companyName;
    QString companyTelephone;
    QString serialNumber;
    QString versionText;
    float versionValue = 0.0f; // "2.5" counts as 2.05: the fraction is in hundredths
    QDate calibrationDate;     // null when the text is not a date
    RecordId companyId;        // made when the header is read
};
