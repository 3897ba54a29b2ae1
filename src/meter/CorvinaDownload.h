#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// One wavelength of a Corvina download: the reference taken from its first
// reading and the first value of every reading, in file order.
struct CorvinaSlot
{
    int wavelengthNm = 0;
    float reference = 0.0f;
    QList<float> readings;
};

// A parsed Corvina (".kavw") download: the meter's optional header and its
// readings grouped by wavelength. It carries no link data; those are asked of
// the user before the download is stored.
struct CorvinaDownload
{
    // Slots a Corvina link fills, in order of the wavelengths' first appearance.
    static constexpr int kMaxSlots = 3;
    // Wavelengths are stored as "%dnm" in six characters.
    static constexpr int kMinWavelengthNm = 1;
    static constexpr int kMaxWavelengthNm = 9999;
    // The serial number a meter without one sends.
    static inline const QString kNoSerial = QStringLiteral("CV<NONE>");

    enum class Problem
    {
        None,
        HeaderUnreadable,          // the header line starts but its three fields cannot be read
        CalibrationDateUnreadable, // the header's date names no date
    };

    Problem problem = Problem::None;
    bool hasHeader = false;
    QString serialNumber; // as the header gives it, "CV<NONE>" included
    QString versionText;
    QString calibrationText;
    QDate calibrationDate; // null when the meter gives none (no header, or "CV<NONE>")

    std::vector<CorvinaSlot> slots; // at most kMaxSlots

    // Readings of a fourth or later wavelength: left out.
    int readingsBeyondThreeWavelengths = 0;
    // Lines that are no whole record (a value missing, not a plain number,
    // or not a finite one): left out.
    int readingsNotReadable = 0;
    // Readings, or references, that are powers no loss meter reads: left out.
    int readingsImplausible = 0;
    // The wavelength outside 1..9999 nm at which the readings ended.
    std::optional<int> outOfRangeWavelength;
    // Data follow the last reading that the grammar could not take as readings.
    bool unreadDataAfterReadings = false;

    bool ok() const { return problem == Problem::None; }
    // The meter's serial number; none without a header or for "CV<NONE>".
    std::optional<QString> meterSerial() const;
    std::optional<QString> meterVersion() const;
    // The number of fibers the readings make: the longest reading list.
    int fiberCount() const;
    bool hasReadings() const { return fiberCount() > 0; }
};
