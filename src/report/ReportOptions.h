#pragma once

#include <QDateTime>

// What the caller chooses for one print job besides the logo.
struct ReportOptions
{
    bool lengthInKilometers = true;                      // else feet
    QDateTime reportDate = QDateTime::currentDateTime(); // printed as the report date
    // Verdicts in colour (Fail red, Pass green, notes amber) for a customer's
    // copy; off, the report is what a black-and-white printer has always had.
    bool verdictsInColour = false;
};
