#pragma once

#include <QDateTime>

// What the caller chooses for one print job besides the logo.
struct ReportOptions
{
    bool lengthInKilometers = true;                      // else feet
    QDateTime reportDate = QDateTime::currentDateTime(); // printed as the report date
};
