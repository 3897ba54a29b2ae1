#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

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
    int standardNumber = 0; // 13 return loss, 15 user link budget, 0 and 1 custom
    // dBm, one per reading column; a column whose field was empty or damaged
    // has none.
    QList<std::optional<float>> referencePowers;
    // The columns whose reference field was damaged: no number as a meter
    // writes one, or a power no loss meter reads.
    QList<int> damagedReferenceColumns;
    // The length, a count or the temperature was damaged (no number as a
    // meter writes one, or a value no real link has): the link's budget
    // cannot be worked out, so its fibers cannot be judged.
    bool conditionsDamaged = false;

    std::optional<float> referenceAt(int column) const
    {
        return column >= 0 && column < referencePowers.size() ? referencePowers.at(column) : std::nullopt;
    }
    QDateTime uploadDate; // when the record was read
};
