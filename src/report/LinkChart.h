#pragma once

#include "standards/VerdictCell.h"

#include <QString>
#include <QStringList>

#include <vector>

class ChosenCircuits;

// What the chart of one link shows: for each wavelength with an optical loss
// reading, each fiber's loss against the loss it is allowed. The circuits of
// a link lie together in the cursor's order, so a link is a run of circuits.
class LinkChart
{
public:
    struct Bar
    {
        bool measured = false; // a loss reading at this wavelength
        float loss = 0;
        bool limited = false; // judged, so the allowed loss is drawn
        float allowedLoss = 0;
        VerdictCell verdict = VerdictCell::NotMeasured;
    };
    struct Series
    {
        QString wavelength;
        std::vector<Bar> bars; // one per fiber, in the order of the fibers
    };

    // The circuits first .. first + count - 1 of `circuits`.
    static LinkChart of(const ChosenCircuits& circuits, int first, int count);

    const QString& linkId() const { return linkId_; }
    const QString& companyName() const { return companyName_; }
    const QString& serialNumber() const { return serialNumber_; }
    const QStringList& circuitIds() const { return circuitIds_; }
    int fiberCount() const { return static_cast<int>(circuitIds_.size()); }
    // Wavelengths in ascending order of their figures ("850nm" before "1300nm").
    const std::vector<Series>& series() const { return series_; }
    bool hasLossReadings() const { return !series_.empty(); }

private:
    QString linkId_;
    QString companyName_;
    QString serialNumber_;
    QStringList circuitIds_;
    std::vector<Series> series_;
};
