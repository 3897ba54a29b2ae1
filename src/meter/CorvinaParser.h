#pragma once

#include "meter/CorvinaDownload.h"

class QIODevice;

// Reads a Corvina (".kavw") download. An optional header line, present when
// the first character is a single quote, names the meter: serial number,
// version and calibration date, three quoted fields. Then one record per
// reading: wavelength, first value, second value. Records end where a
// wavelength cannot be read, or at a wavelength no slot column can hold.
class CorvinaParser
{
public:
    // False (with the reason in `error`) only when the file cannot be opened.
    static bool parseFile(const QString& path, CorvinaDownload& download, QString* error = nullptr);
    static CorvinaDownload parse(QIODevice& device);
};
