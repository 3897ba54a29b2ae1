#pragma once

#include "database/FieldExchange.h"
#include "standards/RecordId.h"

#include <QDateTime>

#include <cstdint>

// The columns every schema's Site table begins with: the tested link, its
// company, dates and physical make-up.
struct SiteLinkFields
{
    RecordId siteNumber;
    RecordId companyNumber;
    QString siteName; // the link ID
    QDateTime date;
    QDateTime uploadDate;
    QDateTime calibrationDate;
    float fiberLength = 0; // metres
    std::int16_t connections = 0;
    std::int16_t splices = 0;
    float temperature = 0;
    std::int16_t fiberType = 0;

    void exchangeLinkFields(FieldExchange& fx);
};
