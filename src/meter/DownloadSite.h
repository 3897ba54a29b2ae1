#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

// The test conditions of one site (one tested link).
struct DownloadSite
{
    int siteNumber = 0;
    QString name;
    QDate testDate;
    float fiberLengthMetres = 0.0f;
    int connectorPairs = 0;
    int splices = 0;
    float temperature = 0.0f;
    int wizardFlags = 0; // one bit per reading column
    int fiberType = 0;
    int standardNumber = 0;       // 13 return loss, 15 user link budget, 0 and 1 custom
    QList<float> referencePowers; // dBm, one per reading column
    QDateTime uploadDate;         // when the record was read
};
