#pragma once

#include <QFont>
#include <QString>

class PageMetrics;

// The four fonts of a report page, all in one face and sized in points for
// the page's vertical resolution: body 9 point, section heads 14 point italic,
// the vendor name 18 point bold and the title 24 point bold.
struct ReportFonts
{
    ReportFonts(const QString& face, const PageMetrics& metrics);

    // `points` high on the page, with the weight and slant asked for.
    static QFont make(const QString& face, int points, const PageMetrics& metrics, int weight, bool italic);

    QFont body;
    QFont section;
    QFont vendor;
    QFont title;
};
