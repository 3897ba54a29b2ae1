#pragma once

#include <QList>
#include <QString>

#include <optional>

// One measured fiber: its name and the powers of the columns that could be
// read; a column whose field was empty has no reading.
struct DownloadFiber
{
    struct Reading
    {
        int column = 0;     // 0-based, in the order of the list's wavelength names
        float power = 0.0f; // dBm
    };

    QString name;
    QList<Reading> readings; // ascending column order

    std::optional<float> reading(int column) const
    {
        for (const Reading& r : readings) {
            if (r.column == column)
                return r.power;
        }
        return std::nullopt;
    }
};
