#pragma once

#include "standards/CircuitEvaluation.h"
#include "standards/RecordId.h"

#include <QDateTime>
#include <QString>

#include <array>

// One evaluated circuit: a tested fiber with its site (link) and company, and
// the results of its five wavelength slots.
struct CircuitRecord : CircuitResults
{
    QString cableTypeName; // short fiber type name of the fiber
    QString companyName;
    RecordId companyNumber; // the site's
    QString companyPhone;
    float lengthKm = 0;
    QString firmwareVersion;
    QString meterModel;
    int connectorPairs = 0;
    int splices = 0;
    QString serialNumber;
    QString linkId; // the site's name
    RecordId siteNumber;
    RecordId customStandardId;
    float temperature = 0;
    QDateTime testDate;
    QString testDateText;
    QDateTime uploadDate;
    QString uploadDateText;
    QDateTime calibrationDate;
    QString calibrationDateText;
    QString circuitId; // the fiber's name
    RecordId fiberNumber;
    std::array<QString, kSlotCount> wavelengthNames; // leading blanks removed
    std::array<int, 3> siteSlots{};                  // the site's measured slots
    int siteSlotCount = -1;
    int wizardMask = 0;
    QString linkComment;

    // The slot of a wavelength name (exact text), -1 when none has it.
    int slotOf(const QString& wavelengthName) const;
    // Some slot with that name holds a measurement.
    bool hasMeasurementAt(const QString& wavelengthName) const;
};

// "SN:P..." is a Pendra, "SN:L..." a Lintel, "CV..." a Corvina, "CX..." a QM410.
QString meterModelFromSerial(const QString& serialNumber);
