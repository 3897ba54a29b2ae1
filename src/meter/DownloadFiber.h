#pragma once

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// One measured fiber: its name and the powers of the reading columns that
// could be read; a column whose field was empty has no reading. A download
// holds hundreds of thousands of these, so the first five columns (the
// meter's wavelength slots) live inside the object and only further columns,
// which real meters never send, take memory of their own.
class DownloadFiber
{
public:
    struct Reading
    {
        int column = 0;     // 0-based, in the order of the list's wavelength names
        float power = 0.0f; // dBm
    };

    QString name;

    std::optional<float> reading(int column) const;
    void setReading(int column, float power);
    // Every reading, in ascending column order.
    QList<Reading> readings() const;
    int readingCount() const;

private:
    static constexpr int kInlineColumns = 5;

    std::array<float, kInlineColumns> inlinePowers_{};
    std::uint8_t inlinePresent_ = 0; // one bit per inline column
    QList<Reading> furtherReadings_; // columns 5 and up, ascending
};
Q_DECLARE_TYPEINFO(DownloadFiber::Reading, Q_PRIMITIVE_TYPE);
Q_DECLARE_TYPEINFO(DownloadFiber, Q_RELOCATABLE_TYPE);
